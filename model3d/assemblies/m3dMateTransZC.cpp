#include "model3d/assemblies/m3dMateTransZC.h"

#include <cmath>

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/metaTreeC.h"
#include "core/propertyValuePut.h"
#include "model3d/modelRegistries.h"

namespace {

keywordRegistrarT<m3dMateTransZC, m3dGeomOpBaseC> transZRegistrar(geometricOp3dRegistry, m3dMateTransZC::classKey, 5);

bool setNumber(metaTreeC* mate, const char* key, double value) {
  if (!mate || !std::isfinite(value)) return false;
  putPropertyDouble(fieldNode(mate, key), value);
  return true;
}

}  // namespace

int m3dMateTransZC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  const char* key = findChild("VALUE") ? "VALUE" : findChild("FREEVAL") ? "FREEVAL" : nullptr;
  uint32_t found = 0;
  const double value = key ? peekDoubleField(node, key, &found) : 0.0;
  if (found) setNumber(node, key, value * factor);
  return 1;
}

double m3dMateTransZC::getValue(uint32_t* found) const { return peekDoubleField(node, "VALUE", found); }

double m3dMateTransZC::getFreeValue(uint32_t* found) const { return peekDoubleField(node, "FREEVAL", found); }

bool m3dMateTransZC::setValue(double value) { return setNumber(node, "VALUE", value); }

bool m3dMateTransZC::setFreeValue(double value) { return setNumber(node, "FREEVAL", value); }
