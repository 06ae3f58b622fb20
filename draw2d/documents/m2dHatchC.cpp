#include "draw2d/documents/m2dHatchC.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "core/propertyValuePut.h"
#include "draw2d/shapes/mBaseLine2dC.h"

int m2dHatchC::putNumber(const char* key, double value) {
  if (!node || !std::isfinite(value)) return 0;
  putPropertyDouble(attributeNode(key), value);
  return 1;
}

void m2dHatchC::scale(double factor) {
  if (!node) return;
  setDistance(getDistance() * factor);
  for (metaTreeC* line = linesNode()->firstChild; line; line = line->next)
    if (line->hasKeyword(mBaseLine2dC::classKey)) mBaseLine2dC(line, 0).scale(factor);
}
