#include "model3d/planes/planeCreators.h"

#include <cstring>

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "core/propertyValuePut.h"
#include "model3d/base/finiteValues.h"

m3dPlaneC createPlaneNode(uint32_t owns) { return m3dPlaneC(metaTreeC::newWithKeyword(m3dPlaneC::classKey), owns); }

m3dBasicPlaneC createBasePlane(const char* type, uint32_t owns) {
  metaTreeC* plane = metaTreeC::newWithKeyword(m3dPlaneC::classKey);
  m3dBasicPlaneC view(plane, 0);
  if (type && std::strcmp(type, "XY") == 0) view.initXY();
  else if (type && std::strcmp(type, "ZX") == 0) view.initZX();
  else if (type && std::strcmp(type, "YZ") == 0) view.initYZ();
  return m3dBasicPlaneC(plane, owns);
}

m3dOffsetPlaneC createOffsetPlane(const metaObjectVirtualDataBaseC& reference, const char* name, uint32_t side,
                                  double distance, uint32_t owns) {
  const metaTreeC* referenceNode = reference.getNode();
  if (!referenceNode || !referenceNode->hasKeyword(m3dPlaneC::classKey)) return m3dOffsetPlaneC();
  matrixC4x4<double> frame = readNodeMatrix4x4(peekFieldNode(referenceNode, "MAT"));
  const double along = (side ? -1.0 : 1.0) * distance;
  for (int n = 0; n < 3; ++n) frame.values[12 + n] += frame.values[8 + n] * along;
  if (!std::isfinite(distance) || !isFiniteMatrix(frame)) return m3dOffsetPlaneC();
  metaTreeC* plane = metaTreeC::newWithKeyword(m3dPlaneC::classKey);
  m3dOffsetPlaneC view(plane, 0);
  view.setName(name ? name : "");
  view.setType("OFF_TO_PLANE");
  view.setFrame(frame);
  view.setOffsetPlane(side, distance, peekStringField(referenceNode, "NAME"));
  return m3dOffsetPlaneC(plane, owns);
}

m3dAbsPlaneC createAbsPlane(const char* name, const matrixC4x4<double>& frame, uint32_t owns) {
  if (!isFiniteMatrix(frame)) return m3dAbsPlaneC();
  metaTreeC* plane = metaTreeC::newWithKeyword(m3dPlaneC::classKey);
  m3dAbsPlaneC view(plane, 0);
  view.setName(name ? name : "");
  view.setFrame(frame);
  view.setType("ABS_PLANE");
  return m3dAbsPlaneC(plane, owns);
}
