#include "model3d/partOperations/featurePatternWorkSetC.h"

#include "core/metaTreeC.h"

featurePatternWorkSetC::featurePatternWorkSetC()
    : planeList(metaObjectC::createWithKeyword("ITEMS", 1)),
      sketchList(metaObjectC::createWithKeyword("ITEMS", 1)),
      featureList(metaObjectC::createWithKeyword("ITEMS", 1)),
      cosmeticList(metaObjectC::createWithKeyword("COSDRAW", 1)) {}
