#include "core/metaObjectCRCC.h"

#include <cstring>

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
