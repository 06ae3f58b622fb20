#include "model3d/documents/m3dDocumentC.h"

#include "base/mzNumberText.h"
#include "core/metaTreeC.h"
#include "core/propertyValuePut.h"
#include "model3d/base/model3dDispatch.h"
#include "model3d/modelRegistries.h"

nodeListC m3dDocumentC::getPartNodes() {
  return dispatchByKey(this, document3dRegistry, nodeListC(), [](m3dDocumentC& document) { return document.getPartNodes(); });
}

nodeListC m3dDocumentC::getDocumentNodes() {
  return dispatchByKey(this, document3dRegistry, nodeListC(),
                       [](m3dDocumentC& document) { return document.getDocumentNodes(); });
}

void m3dDocumentC::collectCosmeticSketches(const matrixC4x4<double>& view, metaObjectC& target) {
  dispatchByKey(this, document3dRegistry, 0, [&](m3dDocumentC& document) {
    document.collectCosmeticSketches(view, target);
    return 0;
  });
}

void m3dDocumentC::collectCenterLines(const matrixC4x4<double>& view, centerLineListC& lines, int all) {
  dispatchByKey(this, document3dRegistry, 0, [&](m3dDocumentC& document) {
    document.collectCenterLines(view, lines, all);
    return 0;
  });
}

void m3dDocumentC::adjustDocumentUnitBase(double unitBase, int withSubDocuments) {
  dispatchByKey(this, document3dRegistry, 0, [=](m3dDocumentC& document) {
    document.adjustDocumentUnitBase(unitBase, withSubDocuments);
    return 0;
  });
}

void m3dDocumentC::splitFeaturePatterns(int withSubDocuments) {
  dispatchByKey(this, document3dRegistry, 0, [=](m3dDocumentC& document) {
    document.splitFeaturePatterns(withSubDocuments);
    return 0;
  });
}

void m3dDocumentC::splitDoubleSideFeatures(int withSubDocuments) {
  dispatchByKey(this, document3dRegistry, 0, [=](m3dDocumentC& document) {
    document.splitDoubleSideFeatures(withSubDocuments);
    return 0;
  });
}

void m3dDocumentC::splitMultipleSweeps(int withSubDocuments) {
  dispatchByKey(this, document3dRegistry, 0, [=](m3dDocumentC& document) {
    document.splitMultipleSweeps(withSubDocuments);
    return 0;
  });
}

int m3dDocumentC::numberParts(int first) {
  const nodeListC parts = getPartNodes();
  for (uint32_t i = 0; i < parts.elementCount; ++i) {
    metaObjectC part(parts[i], 0);
    putPropertyDouble(part.attributeNode("PARTNR"), double(int64_t(first) + int64_t(i)));
  }
  return doubleToInt32(double(int64_t(first) + int64_t(parts.elementCount) - 1));
}

metaTreeC* m3dDocumentC::findPartByNumber(int number) {
  const nodeListC parts = getPartNodes();
  for (uint32_t i = 0; i < parts.elementCount; ++i)
    if (metaObjectC(parts[i], 0).getIntAttribute("PARTNR") == number) return parts[i];
  return nullptr;
}
