#include "model3d/planes/m3dRotPlaneC.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "model3d/planes/planeParamList.h"

namespace {

const char* const axisWords[] = {"PA_X", "PA_Y", "PA_Z"};

}  // namespace

int m3dRotPlaneC::getParams(double& angle, str& referenceName, int& axis) {
  const metaTreeC* entry = planeParamEntry(node, 0);
  if (!entry || !entry->value.isDouble()) return 0;
  angle = entry->value.getDouble();
  entry = entry->next;
  if (!entry || !entry->value.isString()) return 0;
  referenceName = *entry->value.getText();
  entry = entry->next;
  for (int n = 0; entry && n < 3; ++n)
    if (entry->hasKeyword(axisWords[n])) {
      axis = n;
      return 1;
    }
  return 0;
}

bool m3dRotPlaneC::setParams(double angle, const char* referenceName, int axis) {
  if (!node || !std::isfinite(angle) || axis < 0 || axis > 2) return false;
  metaTreeC* params = emptiedPlaneParams(node);
  metaTreeC::appendDoubleChild(params, angle);
  metaTreeC::appendStringChild(params, referenceName ? referenceName : "");
  metaTreeC::appendWordChild(params, axisWords[axis]);
  return true;
}
