#include "model3d/partOperations/featurePatternWorkSetC.h"

#include "core/metaTreeC.h"

featurePatternWorkSetC::featurePatternWorkSetC()
    : planeList(metaObjectC::createWithKeyword("ITEMS", 1)),
      sketchList(metaObjectC::createWithKeyword("ITEMS", 1)),
      featureList(metaObjectC::createWithKeyword("ITEMS", 1)),
      cosmeticList(metaObjectC::createWithKeyword("COSDRAW", 1)) {}

void featurePatternWorkSetC::append(metaTreeC* list, metaTreeC* node) {
  metaTreeC* const lists[4] = {planes(), sketches(), features(), cosmetics()};
  for (int n = 0; n < 4; ++n) {
    if (lists[n] != list) continue;
    if (lastChildren[n]) metaTreeC::linkAfter(node, lastChildren[n]);
    else metaTreeC::appendChild(node, list);
    lastChildren[n] = node;
  }
}
