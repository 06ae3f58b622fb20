#include "model3d/features/m3dFeatGenC.h"

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "core/propertyValuePut.h"
#include "model3d/base/model3dDispatch.h"
#include "model3d/features/m3dPartItemsC.h"
#include "model3d/modelRegistries.h"

int m3dFeatGenC::collectCenterLines(centerLineListC& lines) {
  return dispatchByKey(this, featureRegistry, 0, [&lines](m3dFeatGenC& feature) { return feature.collectCenterLines(lines); });
}

int m3dFeatGenC::getMaterialRole() {
  return dispatchByKey(this, featureRegistry, 2, [](m3dFeatGenC& feature) { return feature.getMaterialRole(); });
}

int m3dFeatGenC::splitIntoCopies() {
  return dispatchByKey(this, featureRegistry, 1, [](m3dFeatGenC& feature) { return feature.splitIntoCopies(); });
}

int m3dFeatGenC::getReferencedNames(nameListC& names) {
  return dispatchByKey(this, featureRegistry, 1, [&names](m3dFeatGenC& feature) { return feature.getReferencedNames(names); });
}

str m3dFeatGenC::getName() { return getStringField(node, "NAME"); }

void m3dFeatGenC::setName(const char* name) { putPropertyString(fieldNode(node, "NAME"), name); }

str m3dFeatGenC::getUsedName() { return getStringField(node, "USED"); }

void m3dFeatGenC::setUsedName(const char* name) { putPropertyString(fieldNode(node, "USED"), name); }

metaObjListValContainerT<double> m3dFeatGenC::getParam() { return metaObjListValContainerT<double>(fieldNode(node, "PARAM"), 0); }

m3dPartItemsC m3dFeatGenC::getItems() { return m3dPartItemsC(node ? node->parent : nullptr, 0); }

bool isPartNode(const metaTreeC* node) { return node && node->hasKeyword("PART"); }
bool isPlaneNode(const metaTreeC* node) { return node && node->hasKeyword("PLANE"); }
bool isItemsNode(const metaTreeC* node) { return node && node->hasKeyword("ITEMS"); }
bool isConnPointNode(const metaTreeC* node) { return node && node->hasKeyword("CONNPOINT"); }
