#include "model3d/bodyFeatures/m3dFeatSweepC.h"

#include <vector>

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"

namespace {

constexpr const char* sketchListKey = "SWEEPSKLIST";

// The list holds exactly the two names.
void setSketchPair(metaTreeC* sweep, const str& first, const str& second) {
  metaTreeC* list = fieldNode(sweep, sketchListKey);
  metaTreeC::deleteChildren(list);
  metaTreeC::appendStringChild(list, first.c_str());
  metaTreeC::appendStringChild(list, second.c_str());
}

}  // namespace

int m3dFeatSweepC::splitSweep() {
  if (!node || !isItemsNode(node->parent)) return 0;
  const metaTreeC* list = peekFieldNode(node, sketchListKey);
  std::vector<str> names;
  for (const metaTreeC* entry = list ? list->firstChild : nullptr; entry; entry = entry->next) {
    if (!entry->value.isString()) return 0;
    names.push_back(*entry->value.getText());
  }
  if (names.size() < 3) return 0;
  setSketchPair(node, names[0], names[1]);
  metaTreeC* previous = node;
  for (size_t k = 1; k + 1 < names.size(); ++k) {
    metaTreeC* copy = clone(1, 1);
    setSketchPair(copy, names[k], names[k + 1]);
    metaTreeC::insertAfter(copy, previous);
    previous = copy;
  }
  return 1;
}
