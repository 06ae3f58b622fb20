#include "model3d/documents/m3dPartC.h"

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/metaObjectRefC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeNodeHandleTableC.h"
#include "core/propertyValuePut.h"
#include "model3d/modelRegistries.h"

namespace {

keywordRegistrarT<m3dPartC, m3dDocumentC> partDocumentRegistrar(document3dRegistry, m3dPartC::classKey, 5);
keywordRegistrarT<m3dPartC, m3dGeomOpBaseC> partGeometryRegistrar(geometricOp3dRegistry, m3dPartC::classKey, 5);

nodeListC ownNode(metaTreeC* node) {
  nodeListC nodes;
  if (node) *nodes.newElement() = node;
  return nodes;
}

}  // namespace

nodeListC m3dPartC::getPartNodes() { return ownNode(node); }

nodeListC m3dPartC::getDocumentNodes() { return ownNode(node); }

str m3dPartC::getMTyp() { return str(metaObjectC(fieldNode(node, "MTYP"), 0).getWord()); }

int m3dPartC::isNegative() { return getMTyp() == "NEG" ? 1 : 0; }

metaObjectC m3dPartC::findExpressionRef(uint32_t handle) {
  if (!node || !metaTreeNodeHandleTableC::instance().addressOf(handle)) return metaObjectC();
  for (metaTreeC* child = node->firstChild; child; child = child->next) {
    if (!child->hasKeyword("PARTEXPRREF")) continue;
    metaTreeC* reference = peekFieldNode(child, metaObjectRefC::classKey);
    if (reference && reference->holdsLiveHandle() && metaObjectRefC(reference, 0).getTargetHandle() == handle)
      return metaObjectC(child, 0);
  }
  return metaObjectC();
}

int m3dPartC::recalcWithSelectedDetailLevel(const char* name) {
  m3dPartItemsC items = getItems();
  return getDetailLevel().recalcWithDetailLevel(name, items) ? 1 : 0;
}

void m3dPartC::setPartNumber(int number) { putPropertyDouble(fieldNode(node, "PARTNR"), double(number)); }

int m3dPartC::getPartNumber(uint32_t* found) { return metaObjectC(fieldNode(node, "PARTNR"), 0).getInt(found); }

m3dCosSketchC m3dPartC::getCosmeticSketchOf(m3dFeatGenC& feature) {
  metaTreeC* draws = findChild(m3dCosmeticDrawsC::classKey);
  if (!draws || !feature.isValid() || !feature.getNode()->hasKeyword("SKETCH")) return m3dCosSketchC();
  const str name = feature.getName() + "_COSMETIC";
  return m3dCosmeticDrawsC(draws, 0).findByName(name.c_str());
}

m3dPartC getParentPart(const metaTreeC* node) { return m3dPartC(node ? node->parent : nullptr, 0); }
