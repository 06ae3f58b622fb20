#include "model3d/meshes/mMeshMemberC.h"

#include "core/pointNodeValues.h"
#include "model3d/base/mObjMat4x4C.h"

mMeshDocC mMeshMemberC::getDocument() const {
  metaTreeC* document = findChild("MESHASM");
  if (!document) document = findChild("MESHPART");
  return mMeshDocC(document, 0);
}

matrixC4x4<double> mMeshMemberC::getMatrix() {
  return readNodeMatrix4x4(findOrCreateChildByKeyword(mObjMat4x4C::classKey));
}

void mMeshMemberC::setMatrix(const matrixC4x4<double>& matrix) {
  mObjMat4x4C(findOrCreateChildByKeyword(mObjMat4x4C::classKey), 0).setMatrix(matrix);
}
