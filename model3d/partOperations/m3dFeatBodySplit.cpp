// A double-sided body feature made one-sided (m3dFeatBodyC::splitDoubleSide).
#include <cmath>

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "model3d/base/finiteValues.h"
#include "model3d/bodyFeatures/m3dFeatBodyC.h"
#include "model3d/partOperations/m3dFeatPatternBaseFeatC.h"
#include "model3d/partOperations/m3dFeatPatternC.h"
#include "model3d/planes/planeCreators.h"

namespace {

str withCopySuffix(const str& name) {
  str copy = name;
  copy += "_CPY";
  return copy;
}

matrixC4x4<double> translation(const vectorC3d<double>& t) {
  matrixC4x4<double> m;
  m.ident();
  m.values[12] = t.x;
  m.values[13] = t.y;
  m.values[14] = t.z;
  return m;
}

// A copy of item named after it with "_CPY" (free in items), linked right after it.
metaTreeC* insertNamedCopy(m3dPartItemsC& items, metaTreeC* item) {
  metaTreeC* copy = metaObjectC(item, 0).clone(1, 1);
  m3dFeatGenC view(copy, 0);
  view.setName(items.freeName(withCopySuffix(m3dFeatGenC(item, 0).getName())).c_str());
  metaTreeC::insertAfter(copy, item);
  return copy;
}

// The sketch's placement replaced, where it stood, by one on the plane of that name.
void placeOnPlane(metaTreeC* sketch, const char* planeName) {
  metaTreeC* placement = metaTreeC::newWithKeyword(m3dSketchOnC::classKey);
  if (metaTreeC* old = peekFieldNode(sketch, m3dSketchOnC::classKey)) {
    metaTreeC::insertAfter(placement, old);
    metaTreeC::unlink(old);
    metaTreeC::deleteTree(old);
  } else {
    metaTreeC::appendChild(placement, sketch);
    ++metaTreeChangeCounter;
  }
  m3dSketchOnC(placement, 0).setOnPlane(planeName);
}

// The feature and a copy on the other side, each built from its own sketch; every pattern of
// the feature repeated for the copy.
void splitTapered(m3dFeatBodyC& feature, m3dPartItemsC& items, metaTreeC* sketch) {
  const str name = feature.getName();
  const nameListC dependents = items.getDependentFeatureNames(name.c_str());
  metaTreeC* sketchCopy = insertNamedCopy(items, sketch);
  m3dFeatBodyC copy(insertNamedCopy(items, feature.getNode()), 0);
  copy.setUsedName(m3dFeatGenC(sketchCopy, 0).getName().c_str());
  feature.setSide(0);
  copy.setSide(1);
  const str copyName = copy.getName();
  for (uint32_t i = 0; i < dependents.elementCount; ++i) {
    m3dFeatGenC dependent = items.findFeatureByName(dependents[i].c_str());
    if (!dependent.isValid() || !dependent.getNode()->hasKeyword(m3dFeatPatternC::classKey)) continue;
    metaTreeC* pattern = insertNamedCopy(items, dependent.getNode());
    metaObjectC base(metaObjectC(pattern, 0).findOrCreateChildByKeyword(m3dFeatPatternBaseFeatC::classKey), 0);
    base.setStringAttribute("NAME", copyName.c_str());
  }
}

// True when a feature other than the one named uses the sketch.
bool isShared(m3dPartItemsC& items, const str& sketchName, const str& featureName) {
  const nameListC users = items.getDependentFeatureNames(sketchName.c_str());
  for (uint32_t i = 0; i < users.elementCount; ++i)
    if (!(users[i] == featureName.c_str())) return true;
  return false;
}

}  // namespace

int m3dFeatBodyC::splitDoubleSide() {
  if (!node || !isItemsNode(node->parent) || !findChild("PARAM") || getSide() != 2) return 0;
  const str& type = metaObjectC(peekFieldNode(node, "TYP"), 0).getWord();
  const bool extrude = type == "EXTRUDE";
  const bool rotate = type == "ROTATE";
  if (!extrude && !rotate) return 0;
  m3dPartItemsC items(node->parent, 0);
  uint32_t used = 0;
  const str sketchName = peekStringField(node, "USED", &used);
  m3dFeatGenC usedSketch = items.findFeatureByName(sketchName.c_str());
  if (!used || !usedSketch.isValid() || !usedSketch.getNode()->hasKeyword(m3dSketchC::classKey)) return 0;
  metaTreeC* sketch = usedSketch.getNode();
  if (extrude && peekDoubleField(node, "EXTDFTANGLE") > 0.0) {
    splitTapered(*this, items, sketch);
    return 1;
  }
  const double value = getKeyValueObject().getDoubleValue();
  matrixC4x4<double> frame = readNodeMatrix4x4(peekFieldNode(sketch, "MAT"));
  if (extrude) {
    for (int n = 0; n < 3; ++n) frame.values[12 + n] -= value * frame.values[8 + n];
  } else {
    vectorC3d<double> start, end;
    matrixC4x4<double> turn;
    if (!m3dSketchC(sketch, 0).getCenterLineEnds3d(start, end) ||
        !turn.setRotation(end.x - start.x, end.y - start.y, end.z - start.z, value))
      return 0;
    frame = translation(start) * turn * translation(vectorC3d<double>(-start.x, -start.y, -start.z)) * frame;
  }
  if (!isFiniteMatrix(frame) || !std::isfinite(2.0 * value)) return 0;
  const str name = getName();
  if (isShared(items, sketchName, name)) {
    sketch = insertNamedCopy(items, sketch);
    setUsedName(m3dFeatGenC(sketch, 0).getName().c_str());
  }
  const str planeName = items.freeName(withCopySuffix(m3dFeatGenC(sketch, 0).getName()));
  metaTreeC* plane = createAbsPlane(planeName.c_str(), frame, 0).getNode();
  metaTreeC::linkBefore(plane, node);
  ++metaTreeChangeCounter;
  m3dSketchBaseC(sketch, 0).getMatrix().setMatrix(frame);
  placeOnPlane(sketch, planeName.c_str());
  setKeyValue(2.0 * value);
  setSide(extrude ? 0 : 1);
  return 1;
}
