#include "model3d/meshes/mMeshPartC.h"

#include <cmath>

#include "core/keywordRegistrarT.h"
#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "model3d/base/finiteValues.h"
#include "model3d/modelRegistries.h"

namespace {

keywordRegistrarT<mMeshPartC, mMeshDocC> meshPartRegistrar(meshRegistry, mMeshPartC::classKey, 4);

}  // namespace

void mMeshPartC::setUnitBase(double newUnitBase, uint8_t) {
  if (!node || !std::isfinite(newUnitBase) || !(newUnitBase > 0.0)) return;
  const double old = meshUnitBase(node, "MESHPARTPREFS");
  if (old == newUnitBase) return;
  const double s = old / newUnitBase;
  if (!std::isfinite(s) || !(s > 0.0)) return;
  mMeshPartC::transform(uniformScaling(s));
  getPartPrefs().setUnitBase(newUnitBase);
}

void mMeshPartC::transform(const matrixC4x4<double>& matrix) {
  if (!node || !isFiniteMatrix(matrix)) return;
  metaTreeC* points = findOrCreateChildByKeyword("MESH3DPKS");
  for (metaTreeC* point = points->firstChild; point; point = point->next) transformNodePoint3d(point, matrix);

  matrixC4x4<double> turn = matrix;
  turn.values[12] = turn.values[13] = turn.values[14] = 0.0;
  metaTreeC* normals = findOrCreateChildByKeyword("MESH3DNORS");
  for (metaTreeC* normal = normals->firstChild; normal; normal = normal->next) {
    const vectorC3d<double> turned = turn.transformPoint(readNodePoint3d(normal));
    const double length = turned.length();
    if (!(length > 0.0) || !std::isfinite(length)) continue;
    const double unit = 1.0 / length;
    writeNodePoint3d(normal, vectorC3d<double>(turned.x * unit, turned.y * unit, turned.z * unit));
  }
  transformMeshSize(node, matrix);
}

void mMeshPartC::transformThreads(const matrixC4x4<double>& matrix) {
  if (!node) return;
  const vectorC3d<double> axis = matrix.transformPoint(vectorC3d<double>(1.0, 0.0, 0.0));
  const double stretch = axis.length();
  metaTreeC* threads = findOrCreateChildByKeyword("MESHPARTTHRS");
  for (metaTreeC* thread = threads->firstChild; thread; thread = thread->next) {
    if (!thread->hasKeyword("MESHPARTTHR")) continue;
    metaObjectC record(thread, 0);
    transformNodePoint3d(record.findOrCreateChildByKeyword("MPTS"), matrix);
    transformNodePoint3d(record.findOrCreateChildByKeyword("MPTE"), matrix);
    const double length = record.getDoubleAttribute("MPTD") * stretch;
    if (std::isfinite(length)) record.setDoubleAttribute("MPTD", length);
  }
}
