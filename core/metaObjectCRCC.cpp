#include "core/metaObjectCRCC.h"

#include <cstring>

#include "core/crc32.h"
#include "core/keywordRegistries.h"
#include "core/keywordRegistry.h"
#include "core/metaObjectRefC.h"
#include "core/metaTreeC.h"

namespace {

uint32_t feedString(uint32_t crc, const char* text) {
  static const char quote = '"';
  crc = crc32::update(crc, &quote, 1);
  for (const char* in = text; *in; ++in) {
    char escaped[2] = {'\\', 0};
    switch (*in) {
      case '\t': escaped[1] = 't'; break;
      case '\n': escaped[1] = 'n'; break;
      case '\r': escaped[1] = 'r'; break;
      case '"': escaped[1] = '"'; break;
      case '\\': escaped[1] = '\\'; break;
      default: break;
    }
    crc = escaped[1] ? crc32::update(crc, escaped, 2) : crc32::update(crc, in, 1);
  }
  return crc32::update(crc, &quote, 1);
}

}  // namespace

uint32_t metaObjectCRCC::computeTreeCrc(const metaTreeC* node) {
  uint32_t crc = 0;
  int levelsDown = 0;
  while (node) {
    const metaTokenC& value = node->value;
    bool descend = true;
    if (value.isWord()) {
      const char* word = value.getText()->c_str();
      if (findKeyword(customStorageRegistry, word)) descend = false;
      else crc = crc32::update(crc, word, std::strlen(word));
    } else if (value.isString()) {
      crc = feedString(crc, value.getText()->c_str());
    } else if (value.isDouble()) {
      crc = crc32::update(crc, "VAL", 3);
    }
    node = nextInPreOrder(node, levelsDown, descend);
  }
  return crc;
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
