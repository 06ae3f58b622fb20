#include "core/metaObjectCRCC.h"

#include <cstring>
#include <unordered_map>
#include <vector>

#include "base/crc32.h"
#include "core/keywordRegistries.h"
#include "core/keywordRegistry.h"
#include "core/metaObjectRefC.h"
#include "core/metaTreeC.h"

namespace {

// Collects the canonical text and checksums it a block at a time: its pieces are a few bytes
// each, far too short for the checksum's sliced loop.
class canonicalTextCrcC {
 public:
  void add(const char* bytes, size_t length) {
    if (length > sizeof buffer - used) {
      flush();
      if (length > sizeof buffer) {
        crc = crc32::update(crc, bytes, length);
        return;
      }
    }
    std::memcpy(buffer + used, bytes, length);
    used += length;
  }

  void add(char c) {
    if (used == sizeof buffer) flush();
    buffer[used++] = c;
  }

  // Quoted and escaped as the tree text escapes it.
  void addString(const char* text) {
    add('"');
    for (const char* in = text; *in; ++in) {
      char escaped = 0;
      switch (*in) {
        case '\t': escaped = 't'; break;
        case '\n': escaped = 'n'; break;
        case '\r': escaped = 'r'; break;
        case '"': escaped = '"'; break;
        case '\\': escaped = '\\'; break;
        default: break;
      }
      if (escaped) {
        add('\\');
        add(escaped);
      } else {
        add(*in);
      }
    }
    add('"');
  }

  uint32_t finish() {
    flush();
    return crc;
  }

 private:
  void flush() {
    crc = crc32::update(crc, buffer, used);
    used = 0;
  }

  uint32_t crc = 0;
  size_t used = 0;
  char buffer[4096];
};

bool hasCustomStorage(const metaTreeC* node) {
  return node->value.isWord() && findKeyword(customStorageRegistry, node->value.getText()->c_str());
}

bool insideCustomStorage(const metaTreeC* node) {
  for (const metaTreeC* above = node->parent; above; above = above->parent) {
    if (hasCustomStorage(above)) return true;
  }
  return false;
}

// Finds, for each key of copies, its node in the copy written of the chain from root (the
// first node alone with single), or leaves it null. The copy was built node by node from the
// chain (a reference's copy is its deep copy), so both are walked in step, as long as they
// run at the same depth.
void findCopies(const metaTreeC* root, uint32_t single, metaTreeC* written,
                std::unordered_map<const metaTreeC*, metaTreeC*>& copies) {
  const metaTreeC* end = single ? root->next : nullptr;
  const metaTreeC* from = root;
  metaTreeC* copy = written;
  int fromDepth = 0, copyDepth = 0;
  while (from != end && copy && fromDepth == copyDepth) {
    if (auto found = copies.find(from); found != copies.end()) found->second = copy;
    from = nextInPreOrder(from, fromDepth, true);
    copy = nextInPreOrder(copy, copyDepth, true);
  }
}

void setChecksumValue(metaTreeC* record, uint32_t crc) {
  if (metaTreeC* value = metaObjectC(record, 0).findChild("CRCVALUE")) metaObjectC(value, 0).setDoubleIfPresent(double(int32_t(crc)));
}

}  // namespace

uint32_t metaObjectCRCC::computeTreeCrc(const metaTreeC* node) {
  canonicalTextCrcC text;
  int levelsDown = 0;
  while (node) {
    const metaTokenC& value = node->value;
    bool descend = true;
    if (value.isWord()) {
      const str* word = value.getText();
      if (findKeyword(customStorageRegistry, word->c_str())) descend = false;
      else text.add(word->c_str(), size_t(word->length()));
    } else if (value.isString()) {
      text.addString(value.getText()->c_str());
    } else if (value.isDouble()) {
      text.add("VAL", 3);
    }
    node = nextInPreOrder(node, levelsDown, descend);
  }
  return text.finish();
}

metaTreeC* metaObjectCRCC::coveredTree() const {
  if (metaTreeC* reference = findChild(metaObjectRefC::classKey)) {
    if (metaTreeC* target = metaObjectRefC(reference, 0).getTargetNode()) return target;
  }
  return node->parent;
}

uint32_t metaObjectCRCC::prepareSave(metaTreeC*) {
  if (!node) return 0;
  const metaTreeC* covered = coveredTree();
  if (!covered) return 0;
  uint32_t crc = computeTreeCrc(covered);
  setIntAttribute("CRCTYPE", 0);
  setIntAttribute("CRCVALUE", int(int32_t(crc)));
  return 1;
}

uint32_t metaObjectCRCC::verifyChecksum() {
  if (!node) return 0;
  const metaTreeC* covered = coveredTree();
  if (!covered) return 0;
  return getIntAttribute("CRCVALUE") == int32_t(computeTreeCrc(covered)) ? 1 : 0;
}

void metaObjectCRCC::refreshAfterSave(metaTreeC* root, uint32_t single, metaTreeC* written) {
  if (!root || !written || !findKeyword(customStorageRegistry, classKey)) return;
  struct recordS {
    metaTreeC* node;
    const metaTreeC* covered;
  };
  std::vector<recordS> records;
  std::unordered_map<const metaTreeC*, metaTreeC*> copies;
  const metaTreeC* end = single ? root->next : nullptr;
  int levelsDown = 0;
  for (metaTreeC* node = root; node != end; node = nextInPreOrder(node, levelsDown, true)) {
    if (!node->hasKeyword(classKey)) continue;
    const metaTreeC* covered = metaObjectCRCC(node, 0).coveredTree();
    if (!covered || !insideCustomStorage(covered)) continue;
    records.push_back({node, covered});
    copies.emplace(node, nullptr);
    copies.emplace(covered, nullptr);
  }
  if (records.empty()) return;
  findCopies(root, single, written, copies);
  for (const recordS& record : records) {
    // The copy stands for the covered tree only when the node with custom storage it lies
    // inside was copied too; a copy at the top of a tree written alone lacks the siblings the
    // record covers.
    const metaTreeC* copy = copies[record.covered];
    uint32_t crc = computeTreeCrc(copy && insideCustomStorage(copy) ? copy : record.covered);
    setChecksumValue(record.node, crc);
    if (metaTreeC* writtenRecord = copies[record.node]) setChecksumValue(writtenRecord, crc);
  }
}
