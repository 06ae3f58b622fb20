#include "model3d/bodyFeatures/m3dFeatBodyC.h"

#include <cmath>

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/metaObjListValContainerT.h"
#include "core/metaTreeC.h"
#include "model3d/bodyFeatures/m3dFeatBaseC.h"
#include "model3d/bodyFeatures/m3dFeatCutC.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/modelRegistries.h"
#include "geom/planeGeometry2d.h"
#include "model3d/sketches/m3dArcC.h"
#include "model3d/sketches/m3dCircleC.h"

namespace {

keywordRegistrarT<m3dFeatBaseC, m3dFeatGenC> baseFeatureRegistrar(featureRegistry, m3dFeatBaseC::classKey, 6);
keywordRegistrarT<m3dFeatCutC, m3dFeatGenC> cutFeatureRegistrar(featureRegistry, m3dFeatCutC::classKey, 6);
keywordRegistrarT<m3dFeatBaseC, m3dGeomOpBaseC> baseGeometryRegistrar(geometricOp3dRegistry, m3dFeatBaseC::classKey, 6);
keywordRegistrarT<m3dFeatCutC, m3dGeomOpBaseC> cutGeometryRegistrar(geometricOp3dRegistry, m3dFeatCutC::classKey, 6);

constexpr double sphereTolerance = 1e-6;

vectorC2d<double> footOnLine(const vectorC2d<double>& p, const vectorC2d<double>& a, const vectorC2d<double>& b) {
  const vectorC2d<double> d = b - a;
  return a + d * ((p - a).dot(d) / d.dot(d));
}

double distanceFromLine(const vectorC2d<double>& p, const vectorC2d<double>& a, const vectorC2d<double>& b) {
  return (p - footOnLine(p, a, b)).length();
}

// A sketch of one loop of two shapes whose arc (the first shape when it is one, else the
// second) has its ends and centre on the axis: a half disc, which revolves into a sphere.
bool isSphereProfile(m3dSketchC& sketch, const vectorC2d<double>& a, const vectorC2d<double>& b) {
  if (sketch.getLoopCount() != 1) return false;
  metaTreeC* loop = sketch.getLoops().getItemNode(0);
  metaTreeC* first = loop->firstChild;
  if (!first || !first->next || first->next->next) return false;
  metaTreeC* shape = first->hasKeyword(mBaseArc2dC::classKey) ? first : first->next;
  if (!shape->hasKeyword(mBaseArc2dC::classKey)) return false;
  m3dArcC arc(shape, 0);
  vectorC2d<double> centre;
  if (!circleCentreFrom3Points(arc.getStartPoint(), arc.getCenterPoint(), arc.getEndPoint(), centre)) return false;
  for (const vectorC2d<double>& p : {arc.getStartPoint(), centre, arc.getEndPoint()})
    if (!(distanceFromLine(p, a, b) < sphereTolerance)) return false;
  return true;
}

void appendLine(centerLineListC& lines, const vectorC3d<double>& start, const vectorC3d<double>& end, double diameter) {
  prjCenterLineDataC& line = *lines.newElement();
  line.start = start;
  line.end = end;
  line.diameter = diameter;
}

// The axis of a revolution: the centre line's stretch beside the profile's bounding rectangle
// and the rectangle's farthest corner from it as the radius.
void collectRevolutionAxis(m3dSketchC& sketch, centerLineListC& lines) {
  vectorC2d<double> a, b, min, max;
  if (!sketch.getCenterLineEnds(a, b) || !((b - a).length() > 0.0)) return;
  if (isSphereProfile(sketch, a, b) || !sketch.getBoundRect(min, max)) return;
  const vectorC2d<double> corners[4] = {{min.x, min.y}, {min.x, max.y}, {max.x, max.y}, {max.x, min.y}};
  vectorC2d<double> feet[4];
  double radius = 0.0;
  for (int n = 0; n < 4; ++n) {
    feet[n] = footOnLine(corners[n], a, b);
    radius = std::fmax(radius, (corners[n] - feet[n]).length());
  }
  const bool firstPair = (feet[0] - feet[2]).length() > (feet[1] - feet[3]).length();
  const matrixC4x4<double> frame = sketch.getMatrixValues();
  appendLine(lines, frame.transformPoint2d(firstPair ? feet[0] : feet[1]), frame.transformPoint2d(firstPair ? feet[2] : feet[3]),
             2.0 * radius);
}

}  // namespace

void m3dFeatBodyC::readParams(double (&values)[3], uint32_t* found) {
  values[0] = values[1] = values[2] = 0.0;
  if (found) *found = 0;
  const metaTreeC* param = node ? fieldNode(node, "PARAM") : nullptr;
  const metaTreeC* entries[3] = {};
  const metaTreeC* entry = param ? param->firstChild : nullptr;
  for (int n = 0; n < 3; ++n, entry = entry ? entry->next : nullptr) entries[n] = entry;
  if (!entries[2] || entry) return;
  for (const metaTreeC* item : entries)
    if (!item->value.isDouble()) return;
  for (int n = 0; n < 3; ++n) values[n] = entries[n]->value.getDouble();
  if (found) *found = 1;
}

void m3dFeatBodyC::writeParams(const double (&values)[3]) { getParam().setValues(values, 3); }

str m3dFeatBodyC::getType() { return str(metaObjectC(fieldNode(node, "TYP"), 0).getWord()); }

metaObjectC m3dFeatBodyC::getKeyValueObject() { return metaObjectC(getParam().childAt(0), 0); }

void m3dFeatBodyC::setKeyValue(double value) {
  if (!node || !std::isfinite(value)) return;
  double values[3];
  readParams(values);
  values[0] = value;
  writeParams(values);
}

int m3dFeatBodyC::getSide() {
  double values[3];
  readParams(values);
  if (values[2] == 1.0) return 2;
  return values[1] == 1.0 ? 1 : 0;
}

void m3dFeatBodyC::setSide(int side) {
  if (!node) return;
  double values[3];
  readParams(values);
  values[1] = side == 1 ? 1.0 : 0.0;
  values[2] = side == 2 ? 1.0 : 0.0;
  writeParams(values);
}

double m3dFeatBodyC::getDraftAngle(uint32_t* found) { return getDoubleAttribute("EXTDFTANGLE", found); }

m3dSketchC m3dFeatBodyC::getUsedSketch() {
  m3dPartItemsC items(node ? node->parent : nullptr, 0);
  return getUsedSketch(items);
}

m3dSketchC m3dFeatBodyC::getUsedSketch(m3dPartItemsC& items) {
  return m3dSketchC(items.findFeatureByName(getUsedName().c_str()).getNode(), 0);
}

int m3dFeatBodyC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  if (!isExtrude()) return 1;
  double values[3];
  uint32_t found = 0;
  readParams(values, &found);
  if (found && std::isfinite(values[0] * factor)) {
    values[0] *= factor;
    writeParams(values);
  }
  return 1;
}

int m3dFeatBodyC::getReferencedNames(nameListC& names) {
  *names.newElement() = getUsedName();
  return 1;
}

int m3dFeatBodyC::collectCenterLines(centerLineListC& lines) {
  if (!node) return int(lines.elementCount);
  const bool rotate = isRotate();
  const bool extrude = isExtrude();
  if (!rotate && !extrude) return int(lines.elementCount);
  m3dSketchC sketch = getUsedSketch();
  if (!sketch.isValid() || !sketch.getNode()->hasKeyword(m3dSketchC::classKey)) return int(lines.elementCount);
  if (rotate) {
    collectRevolutionAxis(sketch, lines);
    return int(lines.elementCount);
  }
  const double value = getKeyValueObject().getDoubleValue();
  const int side = getSide();
  const bool cut = node->hasKeyword(m3dFeatCutC::classKey);
  const matrixC4x4<double> frame = sketch.getMatrixValues();
  const vectorC3d<double> z = frame.getZ();
  const vectorC3d<double> d(z.x * value, z.y * value, z.z * value);
  const uint32_t loopCount = sketch.getLoopCount();
  for (uint32_t i = 0; i < loopCount; ++i) {
    if (cut && i == 0 && loopCount >= 2) continue;
    metaTreeC* shape = sketch.getLoops().getItemNode(int(i))->firstChild;
    if (!shape || shape->next || !shape->hasKeyword(mBaseCircle2dC::classKey)) continue;
    m3dCircleC circle(shape, 0);
    const vectorC3d<double> c = frame.transformPoint2d(circle.getMiddlePoint());
    const vectorC3d<double> plus(c.x + d.x, c.y + d.y, c.z + d.z);
    const vectorC3d<double> minus(c.x - d.x, c.y - d.y, c.z - d.z);
    if (side == 2) appendLine(lines, minus, plus, 2.0 * circle.getRadius());
    else appendLine(lines, c, side == 1 ? minus : plus, 2.0 * circle.getRadius());
  }
  return int(lines.elementCount);
}

cosThreadListC& m3dFeatBodyC::collectThreads(cosThreadListC& threads) {
  threads = cosThreadListC();
  m3dPartItemsC items = getItems();
  m3dPartC part = items.getPart();
  if (!isPartNode(part.getNode()) || !findChild("USED")) return threads;
  m3dFeatGenC sketch = items.findFeatureByName(getUsedName().c_str());
  if (!sketch.isValid() || !sketch.getNode()->hasKeyword(m3dSketchC::classKey)) return threads;
  m3dCosSketchC cosmetic = part.getCosmeticSketchOf(sketch);
  if (!cosmetic.isValid()) return threads;
  threads = cosmetic.computeThreads();
  return threads;
}
