#include "model3d/features/m3dPartItemsC.h"

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "model3d/base/nodeAdoption.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/sketches/m3dSketchC.h"

m3dFeatGenC m3dPartItemsC::findFeatureByName(const char* name) {
  for (metaTreeC* item = node ? node->firstChild : nullptr; item; item = item->next) {
    uint32_t found = 0;
    const str itemName = peekStringField(item, "NAME", &found);
    if (found && itemName == name) return m3dFeatGenC(item, 0);
  }
  return m3dFeatGenC();
}

m3dFeatGenC m3dPartItemsC::findFeatureByType(const char* keyword) {
  return m3dFeatGenC(keyword ? findChild(keyword) : nullptr, 0);
}

nameListC m3dPartItemsC::getDependentFeatureNames(const char* name) {
  nameListC dependents;
  for (metaTreeC* item = node ? node->firstChild : nullptr; item; item = item->next) {
    m3dFeatGenC feature(item, 0);
    nameListC references;
    feature.getReferencedNames(references);
    for (uint32_t i = 0; i < references.elementCount; ++i)
      if (references[i] == name) *dependents.newElement() = feature.getName();
  }
  return dependents;
}

m3dFeatGenC m3dPartItemsC::insertFeature(const m3dFeatGenC& feature, uint32_t copy, metaTreeC* before, metaTreeC* after) {
  if ((before && !isChildOf(before, node)) || (after && !isChildOf(after, node))) return m3dFeatGenC();
  metaTreeC* linked = nodeToLink(feature.getNode(), node, copy);
  if (!linked) return m3dFeatGenC();
  return m3dFeatGenC(insertChild(before, after, linked, 0), 0);
}

m3dPartC m3dPartItemsC::getPart() { return m3dPartC(node ? node->parent : nullptr, 0); }

int m3dPartItemsC::collectCenterLines(centerLineListC& lines) {
  for (metaTreeC* item = node ? node->firstChild : nullptr; item; item = item->next) {
    centerLineListC featureLines;
    m3dFeatGenC(item, 0).collectCenterLines(featureLines);
    for (uint32_t i = 0; i < featureLines.elementCount; ++i) *lines.newElement() = featureLines[i];
  }
  return int(lines.elementCount);
}

double m3dPartItemsC::getSketchEpsilon(m3dShapeBaseC& shape) {
  if (!node || !node->firstChild) return 0.0;
  double shortest = 1e8;
  for (metaTreeC* item = node->firstChild; item; item = item->next) {
    if (!item->hasKeyword(m3dSketchC::classKey)) continue;
    m3dShapeBaseC candidate;
    const double length = m3dSketchC(item, 0).getShortestShapeLength(candidate);
    if (length < shortest) {
      shortest = length;
      shape.attach(candidate.getNode(), 0);
    }
  }
  return shortest;
}

int m3dPartItemsC::fixSketchEpsilon(double epsilon) {
  int sum = 0;
  for (metaTreeC* item = node ? node->firstChild : nullptr; item; item = item->next)
    if (item->hasKeyword(m3dSketchC::classKey)) sum += m3dSketchC(item, 0).fixSketchEpsilon(epsilon);
  return sum;
}
