#include "core/metaObjectC.h"

#include <string>
#include <string_view>

#include "base/binaryPayload.h"
#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"

namespace {

const str& emptyText() {
  static const str empty;
  return empty;
}

void setFound(uint32_t* found, bool value) {
  if (found) *found = value ? 1 : 0;
}

int32_t truncateToInt32(double value) {
  if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0)) return 0;
  return int32_t(uint32_t(uint64_t(int64_t(value))));
}

metaObjectC readWith(metaTreeReaderC& reader, uint32_t opened, uint32_t owns) {
  metaTreeC* root = opened ? reader.read(1) : nullptr;
  return metaObjectC(root, owns);
}

// The value of node as its first child: made when missing, overwritten when of the kind, kept
// when of another.
template <class isKindT, class assignT>
void setFirstValue(metaTreeC* node, isKindT isKind, assignT assign) {
  if (!node) return;
  metaTreeC* value = node->firstChild;
  if (!value) {
    value = new metaTreeC;
    assign(value->value, nullptr);
    metaTreeC::linkAsFirstChildren(value, node);
    ++metaTreeChangeCounter;
  } else if (isKind(value->value)) {
    assign(value->value, value->value.getPosition());
  }
}

}  // namespace

metaObjectC::metaObjectC(metaTreeC* root, uint32_t owns) {
  if (!node && root) attach(root, owns);
}

metaObjectC::metaObjectC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {
  if (!node && other.node) copyFrom(other, ownMode);
}

int metaObjectC::indexOfChild(const metaTreeC* child) const {
  if (!node) return -1;
  int index = 0;
  for (const metaTreeC* walk = node->firstChild; walk; walk = walk->next, ++index) {
    if (walk == child) return index;
  }
  return -1;
}

int metaObjectC::indexOfChildWithKeyword(const char* key, const metaTreeC* child) const {
  if (!node || !key) return -1;
  int index = 0;
  std::string_view wanted(key);
  for (const metaTreeC* walk = node->firstChild; walk; walk = walk->next) {
    if (!walk->hasKeyword(wanted)) continue;
    if (walk == child) return index;
    ++index;
  }
  return -1;
}

metaTreeC* metaObjectC::appendChildWithKeyword(const char* key) { return appendChildWithKeyword(key, nullptr, 0); }

metaObjectC metaObjectC::createWithKeyword(const char* key, uint32_t owns) {
  return metaObjectC(metaTreeC::newWithKeyword(key), owns);
}

metaObjectC& metaObjectC::appendStringChild(const char* text) {
  if (node) metaTreeC::appendStringChild(node, text);
  return *this;
}

uint32_t metaObjectC::removeChildrenWithKeyword(const char* key) {
  uint32_t removed = 0;
  while (metaTreeC* child = findChild(key)) {
    metaTreeC::unlink(child);
    metaObjectVirtualDataBaseC dropped(child, 1);
    ++removed;
  }
  return removed;
}

double metaObjectC::getDouble(uint32_t* found) const {
  const metaTreeC* value = node ? node->firstChild : nullptr;
  bool present = value && value->value.isDouble();
  setFound(found, present);
  return present ? value->value.getDouble() : 0.0;
}

double metaObjectC::getDoubleValue(uint32_t* found) const {
  bool present = node && node->value.isDouble();
  setFound(found, present);
  return present ? node->value.getDouble() : 0.0;
}

int metaObjectC::getInt(uint32_t* found) const {
  uint32_t present = 0;
  double value = getDouble(&present);
  setFound(found, present != 0);
  return present ? truncateToInt32(value) : 0;
}

const str& metaObjectC::getNodeStringValue(uint32_t* found) const {
  const metaTreeC* value = node ? node->firstChild : nullptr;
  bool present = value && value->value.isString();
  setFound(found, present);
  return present ? *value->value.getText() : emptyText();
}

const str& metaObjectC::getWord(uint32_t* found) const {
  const metaTreeC* value = node ? node->firstChild : nullptr;
  bool present = value && value->value.isWord();
  setFound(found, present);
  return present ? *value->value.getText() : emptyText();
}

void metaObjectC::setDouble(double number) {
  setFirstValue(
      node, [](const auto& held) { return held.isDouble(); },
      [number](auto& held, auto position) { held.setDouble(position, number); });
}

void metaObjectC::setInt(int number) { setDouble(double(number)); }

void metaObjectC::setNodeStringValue(const char* text) {
  setFirstValue(
      node, [](const auto& held) { return held.isString(); },
      [text](auto& held, auto position) { held.setString(position, text); });
}

void metaObjectC::setWord(const char* text) {
  if (!node) return;
  metaTreeC* value = node->firstChild;
  if (!value) {
    metaTreeC::linkAsFirstChildren(metaTreeC::newWithKeyword(text), node);
    ++metaTreeChangeCounter;
  } else if (value->value.getKind() != metaTokenC::kindNone) {
    value->value.setWord(value->value.getPosition(), text);
    // The value node may now be, or no longer be, an item of a keyed cache.
    ++metaTreeChangeCounter;
  }
}

void metaObjectC::setDoubleIfPresent(double number) {
  metaTreeC* value = node ? node->firstChild : nullptr;
  if (value && value->value.isDouble()) value->value.setDouble(value->value.getPosition(), number);
}

metaTreeC* metaObjectC::attributeNode(const char* key) { return findOrCreateChildByKeyword(key); }

metaObjectC metaObjectC::attribute(const char* key) { return metaObjectC(attributeNode(key), 0); }

str metaObjectC::getStringAttribute(const char* key, uint32_t* found) {
  return str(metaObjectC(attributeNode(key), 0).getNodeStringValue(found));
}

void metaObjectC::setStringAttribute(const char* key, const char* text) {
  metaObjectC(attributeNode(key), 0).setNodeStringValue(text);
}

double metaObjectC::getDoubleAttribute(const char* key, uint32_t* found) {
  return metaObjectC(attributeNode(key), 0).getDouble(found);
}

void metaObjectC::setDoubleAttribute(const char* key, double value) { metaObjectC(attributeNode(key), 0).setDouble(value); }

int metaObjectC::getIntAttribute(const char* key, uint32_t* found) {
  return metaObjectC(attributeNode(key), 0).getInt(found);
}

void metaObjectC::setIntAttribute(const char* key, int value) { metaObjectC(attributeNode(key), 0).setInt(value); }

void metaObjectC::writeBinaryPayload(const void* bytes, int size, int code) {
  if (!node) return;
  uint64_t length = bytes && size > 0 ? binaryPayload::encodedLength(uint64_t(size)) : 0;
  // The text and its terminator must fit a str.
  if (length >= 0x7FFFFFFE) length = 0;
  if (length == 0) size = 0;
  clearChildren();
  metaTreeC::appendDoubleChild(metaTreeC::appendWordChild(node, "CODE"), double(code));
  metaTreeC::appendDoubleChild(metaTreeC::appendWordChild(node, "SIZE"), double(size));
  if (length == 0) return;
  std::string text(size_t(length), '\0');
  uint32_t written = 0;
  binaryPayload::repackBits(static_cast<const uint8_t*>(bytes), 8, uint32_t(size), reinterpret_cast<uint8_t*>(text.data()),
                            6, written, nullptr, reinterpret_cast<const uint8_t*>(binaryPayload::alphabet));
  metaTreeC* data = new metaTreeC;
  data->value.setString(nullptr, text.data(), int(written));
  metaTreeC::appendChild(data, metaTreeC::appendWordChild(node, "DATA"));
  ++metaTreeChangeCounter;
}

int metaObjectC::readBinaryPayload(void* buffer, int capacity) const {
  int size = metaObjectC(findChild("SIZE"), 0).getInt();
  if (!buffer || size <= 0 || size > capacity) return -1;
  const str& text = metaObjectC(findChild("DATA"), 0).getNodeStringValue();
  // Characters beyond those SIZE announces are not decoded, so the buffer never overflows.
  uint64_t length = binaryPayload::encodedLength(uint64_t(size));
  if (uint64_t(text.length()) < length) length = uint64_t(text.length());
  uint32_t decoded = 0;
  binaryPayload::repackBits(reinterpret_cast<const uint8_t*>(text.c_str()), 6, uint32_t(length), static_cast<uint8_t*>(buffer),
                            8, decoded, binaryPayload::reverseTable.data(), nullptr);
  return int(decoded);
}

int metaObjectC::getSizeValue() { return getIntAttribute("SIZE"); }

uint32_t hasKey(const metaTreeC* node, const char* key) { return node && key && node->hasKeyword(key) ? 1 : 0; }

metaObjectC metaObjectC::readFromStream(std::istream& input, uint32_t owns) {
  metaTreeReaderC reader;
  return readWith(reader, reader.openStream(input), owns);
}

metaObjectC metaObjectC::readFromString(const char* text, uint32_t owns) {
  if (!text) return metaObjectC();
  metaTreeReaderC reader;
  return readWith(reader, reader.openString(text), owns);
}

metaObjectC metaObjectC::readFromFile(const char* path, uint32_t owns) {
  if (!path) return metaObjectC();
  metaTreeReaderC reader;
  return readWith(reader, reader.openFile(path), owns);
}
