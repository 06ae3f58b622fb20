#include "model3d/planes/m3dPlaneC.h"

#include <cmath>

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/metaTreeReaderC.h"
#include "core/pointNodeValues.h"
#include "core/propertyValuePut.h"
#include "model3d/base/finiteValues.h"
#include "model3d/base/frameGeometry.h"
#include "model3d/modelRegistries.h"
#include "model3d/planes/m3dOffsetPlaneC.h"
#include "model3d/planes/m3dRotPlaneC.h"

namespace {

keywordRegistrarT<m3dPlaneC, m3dGeomOpBaseC> planeRegistrar(geometricOp3dRegistry, m3dPlaneC::classKey, 5);

}  // namespace

int m3dPlaneC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  if (metaTreeC* matrix = peekFieldNode(node, mObjMat4x4C::classKey)) mObjMat4x4C(matrix, 0).scaleTranslation(factor);
  if (!isOffset()) return 1;
  m3dOffsetPlaneC offset(node, 0);
  uint32_t side = 0;
  double distance = 0.0;
  str referenceName;
  if (offset.getParams(side, distance, referenceName)) setOffsetPlane(side, distance * factor, referenceName);
  return 1;
}

int m3dPlaneC::transform(const matrixC4x4<double>& matrix) {
  if (!node || !isFiniteMatrix(matrix)) return 0;
  const matrixC4x4<double> frame = rightHandedFrame(matrix * readNodeMatrix4x4(peekFieldNode(node, mObjMat4x4C::classKey)));
  if (!isFiniteMatrix(frame)) return 0;
  if (!isAbsolute()) setType("ABS_PLANE");
  setFrame(frame);
  return 1;
}

int m3dPlaneC::getReferencedNames(nameListC& names) {
  str referenceName;
  if (isOffset()) {
    uint32_t side = 0;
    double distance = 0.0;
    m3dOffsetPlaneC(node, 0).getParams(side, distance, referenceName);
    *names.newElement() = referenceName;
  } else if (isRotation()) {
    double angle = 0.0;
    int axis = 0;
    m3dRotPlaneC(node, 0).getParams(angle, referenceName, axis);
    *names.newElement() = referenceName;
  }
  return 1;
}

mObjMat4x4C m3dPlaneC::getMatrix() { return mObjMat4x4C(fieldNode(node, mObjMat4x4C::classKey), 0); }

matrixC4x4<double> m3dPlaneC::getFrame() { return getMatrix().getMatrix(); }

bool m3dPlaneC::setFrame(const matrixC4x4<double>& frame) { return getMatrix().setMatrix(frame); }

str m3dPlaneC::getType() { return str(metaObjectC(fieldNode(node, "TYP"), 0).getWord()); }

bool m3dPlaneC::hasType(const char* type) const {
  const metaTreeC* typeNode = peekFieldNode(node, "TYP");
  return typeNode && typeNode->firstChild && typeNode->firstChild->hasKeyword(type);
}

bool m3dPlaneC::setType(const char* type) {
  if (!node || !type || !metaTreeReaderC::isKeyword(type)) return false;
  putPropertyWord(fieldNode(node, "TYP"), type);
  return true;
}

bool m3dPlaneC::setOffsetPlane(uint32_t side, double distance, const char* referenceName) {
  if (!node || !std::isfinite(distance)) return false;
  setType("OFF_TO_PLANE");
  return m3dOffsetPlaneC(node, 0).setParams(side, distance, referenceName);
}
