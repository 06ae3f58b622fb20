#include "model3d/planes/m3dOffsetPlaneC.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "model3d/planes/planeParamList.h"

namespace {

double numberOf(const metaTreeC* entry) { return entry->value.isDouble() ? entry->value.getDouble() : 0.0; }

}  // namespace

int m3dOffsetPlaneC::getParams(uint32_t& side, double& distance, str& referenceName) {
  if (planeParamCount(node) != 3) return 0;
  side = numberOf(planeParamEntry(node, 0)) != 0.0 ? 1 : 0;
  distance = numberOf(planeParamEntry(node, 1));
  const metaTreeC* name = planeParamEntry(node, 2);
  referenceName = name->value.isString() ? str(*name->value.getText()) : str();
  return 1;
}

bool m3dOffsetPlaneC::setParams(uint32_t side, double distance, const char* referenceName) {
  if (!node || !std::isfinite(distance)) return false;
  metaTreeC* params = emptiedPlaneParams(node);
  metaTreeC::appendDoubleChild(params, side ? 1.0 : 0.0);
  metaTreeC::appendDoubleChild(params, distance);
  metaTreeC::appendStringChild(params, referenceName ? referenceName : "");
  return true;
}
