// The rewrites of a part's feature list (m3dPartItemsC).
#include <cstring>

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "model3d/bodyFeatures/m3dFeatBodyC.h"
#include "model3d/bodyFeatures/m3dFeatSweepC.h"
#include "model3d/features/m3dPartItemsC.h"
#include "model3d/partOperations/m3dFeatPatternC.h"

namespace {

// Each item from the last to the first; the one before is taken before an item is handed on,
// so a rewrite may insert behind it or delete it.
template <class actionT>
void forEachItemBackwards(metaTreeC* items, actionT action) {
  metaTreeC* item = items && items->firstChild ? metaTreeC::lastSibling(items->firstChild) : nullptr;
  while (item) {
    metaTreeC* previous = item->previous;
    if (!action(item)) return;
    item = previous;
  }
}

bool isListed(const metaTreeC* item, const nameListC& keywords) {
  if (!item->value.isWord()) return false;
  for (uint32_t i = 0; i < keywords.elementCount; ++i)
    if (item->hasKeyword(keywords[i].c_str())) return true;
  return false;
}

}  // namespace

int m3dPartItemsC::splitFeaturePatterns() {
  int met = 0;
  metaTreeC* cosmeticsTail = nullptr;
  forEachItemBackwards(node, [&](metaTreeC* item) {
    if (item->hasKeyword(m3dFeatPatternC::classKey)) {
      met = 1;
      m3dFeatPatternC(item, 0).splitIntoCopies(cosmeticsTail);
    }
    return true;
  });
  return met;
}

int m3dPartItemsC::splitMultipleSweeps() {
  int result = 0;
  forEachItemBackwards(node, [&result](metaTreeC* item) {
    if (item->hasKeyword(m3dFeatSweepC::classKey)) result |= m3dFeatSweepC(item, 0).splitSweep();
    return true;
  });
  return result;
}

int m3dPartItemsC::splitDoubleSideFeatures(int mode) {
  int result = 0;
  for (metaTreeC* item = node ? node->firstChild : nullptr; item; item = item->next) {
    const str& type = metaObjectC(peekFieldNode(item, "TYP"), 0).getWord();
    const bool extrude = type == "EXTRUDE";
    const bool rotate = type == "ROTATE";
    if (!extrude && !rotate) continue;
    const bool drafted = extrude && peekDoubleField(item, "EXTDFTANGLE") != 0.0;
    if ((mode & 1) || ((mode & 4) && extrude) || ((mode & 8) && rotate) || ((mode & 2) && drafted))
      result |= m3dFeatBodyC(item, 0).splitDoubleSide();
  }
  return result;
}

int m3dPartItemsC::acceptFeatures(int mode, const nameListC& keywords) {
  if (mode != 0 && mode != 1) return 1;
  int result = 1;
  forEachItemBackwards(node, [&](metaTreeC* item) {
    if (isListed(item, keywords) != (mode == 0)) return true;
    if (m3dFeatGenC(item, 0).splitIntoCopies()) return true;
    result = 0;
    return false;
  });
  return result;
}

str m3dPartItemsC::freeName(const str& name) {
  str free = name;
  while (findFeatureByName(free.c_str()).isValid()) free += "_CPY";
  return free;
}
