#include "core/metaObjectRefC.h"

#include <vector>

#include "base/binaryPayload.h"
#include "core/metaTreeC.h"
#include "core/metaTreeNodeHandleTableC.h"
#include "core/metaTreeNodeIndexC.h"
#include "core/metaTreeTopCacheC.h"

namespace {

constexpr const char* payloadKey = "REFTRGPTR";
constexpr const char* payloadKeys[] = {"CODE", "SIZE", "DATA"};
constexpr int handleBytes = 4;

metaTreeC* findChildNode(const metaTreeC* parent, const char* key) {
  for (metaTreeC* child = parent->firstChild; child; child = child->next) {
    if (child->hasKeyword(key)) return child;
  }
  return nullptr;
}

// Reads the handle without creating anything; false when the payload does not read.
bool readHandle(const metaTreeC* reference, uint32_t& handle) {
  handle = 0;
  metaTreeC* payload = findChildNode(reference, payloadKey);
  if (!payload) return false;
  uint8_t bytes[handleBytes] = {0, 0, 0, 0};
  if (metaObjectC(payload, 0).readBinaryPayload(bytes, handleBytes) < 0) return false;
  handle = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
  return true;
}

void handleToBytes(uint32_t handle, uint8_t* bytes) {
  for (int i = 0; i < handleBytes; ++i) bytes[i] = uint8_t(handle >> (8 * i));
}

// The payload is exactly CODE, SIZE and DATA, each with one value and nothing below it: the
// form setTargetHandle writes.
bool payloadIsCanonical(const metaTreeC* reference) {
  const metaTreeC* payload = findChildNode(reference, payloadKey);
  if (!payload) return false;
  const metaTreeC* child = payload->firstChild;
  for (const char* key : payloadKeys) {
    if (!child || !child->hasKeyword(key)) return false;
    const metaTreeC* value = child->firstChild;
    if (!value || value->next || value->firstChild) return false;
    child = child->next;
  }
  return child == nullptr;
}

metaTreeC* findOrAppendWordChild(metaTreeC* parent, const char* key) {
  metaTreeC* child = findChildNode(parent, key);
  return child ? child : metaTreeC::appendWordChild(parent, key);
}

void setValueInPlace(metaTreeC* keyNode, const metaTokenC& token) {
  metaTreeC* value = keyNode->firstChild;
  if (!value) {
    metaTreeC::appendChild(new metaTreeC(token), keyNode);
    ++metaTreeChangeCounter;
    return;
  }
  bool wasWord = value->value.isWord();
  value->value.assign(token);
  if (wasWord) ++metaTreeChangeCounter;  // no longer an item of a keyed cache
}

// Writes the handle into the payload without removing a node, so that a node index built
// over the tree earlier in a pass stays free of freed nodes; missing parts are added.
void storeHandleInPlace(metaTreeC* reference, uint32_t handle) {
  reference->setHoldsLiveHandle(true);
  uint8_t bytes[handleBytes];
  handleToBytes(handle, bytes);
  char text[8];
  uint32_t length = 0;
  binaryPayload::repackBits(bytes, 8, handleBytes, reinterpret_cast<uint8_t*>(text), 6, length, nullptr,
                            reinterpret_cast<const uint8_t*>(binaryPayload::alphabet));
  metaTreeC* payload = findOrAppendWordChild(reference, payloadKey);
  setValueInPlace(findOrAppendWordChild(payload, "CODE"), metaTokenC(metaTokenC::kindDouble, nullptr, 0.0));
  setValueInPlace(findOrAppendWordChild(payload, "SIZE"), metaTokenC(metaTokenC::kindDouble, nullptr, double(handleBytes)));
  setValueInPlace(findOrAppendWordChild(payload, "DATA"), metaTokenC(metaTokenC::kindString, nullptr, str(text, 0, int(length))));
}

// The index of the tree a pass works on, set to the pass's root.
metaTreeNodeIndexC& passIndex(metaTreeC* root) {
  metaTreeNodeIndexC& index = metaTreeNodeIndexC::instance();
  if (index.getRoot() != root) index.setRoot(root);
  return index;
}

const metaTreeC* addressOf(uint32_t handle) { return metaTreeNodeHandleTableC::instance().addressOf(handle); }

// The handle to follow: false when the payload does not read (no target) and when it holds a
// stored position no hook converted, which names no node of this process.
bool readLiveHandle(const metaTreeC* reference, uint32_t& handle) {
  return readHandle(reference, handle) && reference->holdsLiveHandle();
}

// The position code the written copy of reference stores.
uint32_t positionCode(const metaTreeC* reference, metaTreeNodeIndexC& index) {
  uint32_t handle = 0;
  if (!readHandle(reference, handle)) return metaObjectRefC::noTargetCode;
  if (!reference->holdsLiveHandle()) return 0;
  return handle == 0 ? metaObjectRefC::noTargetCode : index.indexOf(addressOf(handle), 0);
}

uint32_t handleOf(const metaTreeC* node) { return metaTreeNodeHandleTableC::instance().handleOf(node); }

}  // namespace

uint32_t metaObjectRefC::getTargetHandle() {
  metaTreeC* payload = findOrCreateChildByKeyword(payloadKey);
  uint32_t handle = 0;
  if (payload) readHandle(node, handle);
  return handle;
}

void metaObjectRefC::setTargetHandle(uint32_t handle) {
  if (!node) return;
  writePayload(handle);
  node->setHoldsLiveHandle(true);
}

void metaObjectRefC::writePayload(uint32_t value) {
  uint8_t bytes[handleBytes];
  handleToBytes(value, bytes);
  metaObjectC(findOrCreateChildByKeyword(payloadKey), 0).writeBinaryPayload(bytes, handleBytes, 0);
}

metaTreeC* metaObjectRefC::getTargetNode() const {
  uint32_t handle = 0;
  if (!node || !readLiveHandle(node, handle)) return nullptr;
  const metaTreeC* address = addressOf(handle);
  if (!address) return nullptr;
  metaTreeC* top = metaTreeC::firstSibling(metaTreeTopCacheC::topOf(node));
  // An index of its own, so that lookups never disturb the index of a pass under way.
  static metaTreeNodeIndexC lookupIndex;
  if (lookupIndex.getRoot() != top) lookupIndex.setRoot(top);
  return lookupIndex.indexOf(address, 1) ? const_cast<metaTreeC*>(address) : nullptr;
}

void metaObjectRefC::setTargetNode(const metaTreeC* target) { setTargetHandle(handleOf(target)); }

uint32_t metaObjectRefC::loadNode(metaTreeC* root) {
  if (!node) return 0;
  uint32_t code = 0;
  // A payload that does not read already reads as no target: a null handle.
  if (!readHandle(node, code)) {
    node->setHoldsLiveHandle(true);
    return 0;
  }
  storeHandleInPlace(node, handleOf(passIndex(root).nodeAt(code, 0)));
  return 1;
}

metaTreeC* metaObjectRefC::saveNode(metaTreeC* root) {
  if (!node) return nullptr;
  metaTreeC* copy = metaTreeC::deepCopyNode(node);
  // References below this one are not visited by the pass: they are converted here.
  std::vector<metaTreeC*> references;
  int levelsDown = 0;
  for (metaTreeC* walk = copy; walk; walk = nextInPreOrder(walk, levelsDown, true)) {
    if (walk->hasKeyword(classKey)) references.push_back(walk);
  }
  metaTreeNodeIndexC& index = passIndex(root);
  for (metaTreeC* reference : references) metaObjectRefC(reference, 0).writePayload(positionCode(reference, index));
  return copy;
}

uint32_t metaObjectRefC::prepareSave(metaTreeC*) {
  metaTreeNodeIndexC::instance().setRoot(nullptr);
  if (node && !payloadIsCanonical(node)) {
    uint32_t handle = 0;
    // A payload that does not read is a null handle; one that reads keeps its value, converted
    // or not.
    if (!readHandle(node, handle)) node->setHoldsLiveHandle(true);
    writePayload(handle);
  }
  return 1;
}

uint32_t metaObjectRefC::prepareLoad(metaTreeC*) {
  metaTreeNodeIndexC::instance().setRoot(nullptr);
  return 1;
}

uint32_t metaObjectRefC::prepareCopy(metaTreeC* root) {
  uint32_t handle = 0;
  if (!node || !readLiveHandle(node, handle) || handle == 0) return 1;
  const metaTreeC* address = addressOf(handle);
  // Only a node found in the tree being copied is marked.
  if (address && passIndex(root).indexOf(address, 0)) {
    metaTreeC* target = const_cast<metaTreeC*>(address);
    target->copyMark = reinterpret_cast<intptr_t>(target);
  }
  return 1;
}

uint32_t metaObjectRefC::finishCopy(metaTreeC* root) {
  uint32_t handle = 0;
  // The copy carries the source's mark: a payload no hook converted stays as it is.
  if (!node || !readLiveHandle(node, handle)) return 1;
  const metaTreeC* address = addressOf(handle);
  metaTreeC* target = address ? passIndex(root).findByMark(reinterpret_cast<intptr_t>(address), 0) : nullptr;
  storeHandleInPlace(node, handleOf(target));
  return 1;
}
