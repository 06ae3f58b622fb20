#include "model3d/meshes/mMeshDocC.h"

#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "core/prototypeBinding.h"
#include "core/storedUnitBase.h"
#include "model3d/modelRegistries.h"

void mMeshDocC::setUnitBase(double newUnitBase, uint8_t flag) {
  callPrototype(this, meshRegistry, 0, [&](mMeshDocC& document) {
    document.setUnitBase(newUnitBase, flag);
    return 0;
  });
}

void mMeshDocC::transform(const matrixC4x4<double>& matrix) {
  callPrototype(this, meshRegistry, 0, [&](mMeshDocC& document) {
    document.transform(matrix);
    return 0;
  });
}

void transformMeshSize(metaTreeC* document, const matrixC4x4<double>& matrix) {
  if (!document) return;
  metaObjectC size(metaObjectC(document, 0).findOrCreateChildByKeyword("MESHSIZE"), 0);
  transformNodePoint3d(size.findOrCreateChildByKeyword("MINPK"), matrix);
  transformNodePoint3d(size.findOrCreateChildByKeyword("MAXPK"), matrix);
}

double meshUnitBase(const metaTreeC* document, const char* prefsKey) {
  return document ? storedUnitBase(metaObjectC(const_cast<metaTreeC*>(document), 0).findChild(prefsKey)) : 1.0;
}

matrixC4x4<double> uniformScaling(double s) {
  matrixC4x4<double> scaling;
  scaling.ident();
  scaling.values[0] = scaling.values[5] = scaling.values[10] = s;
  return scaling;
}
