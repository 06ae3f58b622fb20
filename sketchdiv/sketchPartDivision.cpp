#include "sketchdiv/sketchPartDivision.h"

#include "core/metaTreeC.h"
#include "sketchdiv/RISketchGeoDesk.h"

namespace {

// Unlinks the node; views kept over it keep it, detached.
void removeItem(metaTreeC* node) {
  metaTreeC::unlink(node);
  metaTreeC::deleteTree(node);
}

void appendLoopsOf(const m3dSketchC& piece, metaTreeC* target) {
  for (const metaTreeC* child = piece.getNode()->firstChild; child; child = child->next)
    if (child->hasKeyword(m3dLoopC::classKey)) metaTreeC::appendChild(metaTreeC::deepCopyNode(child), target);
  ++metaTreeChangeCounter;
}

}  // namespace

int divideSketchesOfPart(RISketchGeoDesk& desk, m3dPartC& part) {
  m3dPartItemsC items = part.getItems();
  for (int i = 0;; ++i) {
    metaTreeC* item = items.childAt(i);
    if (!item) break;
    if (!item->hasKeyword(m3dSketchC::classKey)) continue;
    m3dSketchC sketch(item, 0);
    desk.clear();
    if (!desk.addSketch(sketch) || desk.divide() != 0) continue;
    sketchListT<m3dSketchC> pieces;
    if (desk.getResults(pieces)) splitSketchIntoPieces(part, sketch, pieces);
  }
  return 0;
}

void splitSketchIntoPieces(m3dPartC& part, m3dSketchC& sketch, sketchListT<m3dSketchC>& pieces) {
  metaTreeC* sketchNode = sketch.getNode();
  if (!sketchNode || pieces.count() == 0 || part.getCosmeticSketchOf(sketch).isValid()) return;
  m3dPartItemsC items = part.getItems();
  const str name = sketch.getName();
  const nameListC dependents = items.getDependentFeatureNames(name.c_str());
  if (dependents.elementCount != 1) return;
  m3dFeatGenC feature = items.findFeatureByName(dependents[0].c_str());
  metaTreeC* featureNode = feature.getNode();
  if (!featureNode || featureNode == sketchNode) return;
  const str featureName = feature.getName();
  if (items.getDependentFeatureNames(featureName.c_str()).elementCount != 0) return;

  metaObjectC(sketchNode, 0).removeChildrenWithKeyword(m3dLoopC::classKey);
  for (int i = int(pieces.count()) - 1; i >= 0; --i) {
    const str number(i);
    m3dSketchC copy(sketch.clone(1, 1), 0);
    const str copyName = name + "_DIV_SK" + number;
    copy.setName(copyName.c_str());
    appendLoopsOf(pieces[uint32_t(i)], copy.getNode());
    metaTreeC::insertAfter(copy.getNode(), sketchNode);
    m3dFeatGenC featureCopy(feature.clone(1, 1), 0);
    featureCopy.setName((featureName + "_DIV_FT" + number).c_str());
    featureCopy.setUsedName(copyName.c_str());
    metaTreeC::insertAfter(featureCopy.getNode(), featureNode);
  }
  removeItem(featureNode);
  removeItem(sketchNode);
}
