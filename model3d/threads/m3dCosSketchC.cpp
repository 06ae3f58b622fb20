#include "model3d/threads/m3dCosSketchC.h"

#include <cstring>

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/metaTreeC.h"
#include "model3d/base/frameGeometry.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/modelRegistries.h"
#include "model3d/threads/m3dCosmeticDrawsC.h"
#include "model3d/threads/threadRecords.h"

namespace {

keywordRegistrarT<m3dCosSketchC, m3dGeomOpBaseC> cosSketchRegistrar(geometricOp3dRegistry, m3dCosSketchC::classKey, 5);

constexpr const char* cosmeticSuffix = "_COSMETIC";

// Every "LINE" among the children of list, in order.
void appendLines(const metaTreeC* list, threadLineListC& lines) {
  for (metaTreeC* child = list->firstChild; child; child = child->next) {
    if (!child->hasKeyword(mBaseLine2dC::classKey)) continue;
    mBaseLine2dC line(child, 0);
    threadLineDataC& record = *lines.newElement();
    record.start = line.getStartPoint();
    record.end = line.getEndPoint();
  }
}

}  // namespace

int m3dCosSketchC::scale(double factor) {
  if (!m3dSketchBaseC::scale(factor)) return 0;
  if (metaTreeC* shapes = findChild("COSSHAPES")) m3dLoopC(shapes, 0).forEachShapeScale(factor);
  return 1;
}

int m3dCosSketchC::transform(const matrixC4x4<double>& matrix) {
  matrixC4x4<double> frame;
  if (!node || !transformedFrame(matrix, frame)) return 0;
  m3dSketchBaseC::transform(matrix);
  if (metaTreeC* shapes = findChild("COSSHAPES"); shapes && isMirroredFrame(frame))
    m3dLoopC(shapes, 0).forEachShapeTransform(sketchMirror());
  return 1;
}

str m3dCosSketchC::getName() { return getStringField(node, "NAME"); }

m3dCosmeticDrawsC m3dCosSketchC::getCosmeticDraws() { return m3dCosmeticDrawsC(node ? node->parent : nullptr, 0); }

m3dPartC m3dCosSketchC::getPart() { return getParentPart(getCosmeticDraws().getNode()); }

cosThreadListC m3dCosSketchC::computeThreads() {
  cosThreadListC records;
  metaTreeC* shapes = findChild("COSSHAPES");
  if (!shapes || !hasCenterLine()) return records;
  const str name = peekStringField(node, "NAME");
  const char* suffix = std::strstr(name.c_str(), cosmeticSuffix);
  if (!suffix) return records;
  const str sketchName(name.c_str(), 0, int(suffix - name.c_str()));
  metaTreeC* items = peekFieldNode(getPart().getNode(), m3dPartItemsC::classKey);
  metaTreeC* sketch = m3dPartItemsC(items, 0).findFeatureByName(sketchName.c_str()).getNode();
  if (!sketch || !sketch->hasKeyword("SKETCH")) return records;

  threadLineListC walls;
  threadLineListC cosmetics;
  for (metaTreeC* loop = sketch->firstChild; loop; loop = loop->next)
    if (loop->hasKeyword(m3dLoopC::classKey)) appendLines(loop, walls);
  appendLines(shapes, cosmetics);
  m3dCenterLineC centre = getCenterLine();
  buildThreadRecords(records, getMatrixValues(), centre.getStartPoint(), centre.getEndPoint(), walls, cosmetics);
  return records;
}
