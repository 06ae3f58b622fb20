// The document operations of a part (m3dPartC).
#include <cmath>
#include <vector>

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "core/propertyValuePut.h"
#include "core/storedUnitBase.h"
#include "model3d/base/finiteValues.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/partOperations/m3dFeatPatternC.h"

namespace {

constexpr double facingLimit = 0.99999999;
constexpr double acrossTolerance = 1e-8;
constexpr double degreesPerRadian = 180.0 / 3.141592653589793;

double dot(const vectorC3d<double>& a, const vectorC3d<double>& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

matrixC4x4<double> translation(const vectorC3d<double>& t) {
  matrixC4x4<double> m;
  m.ident();
  m.values[12] = t.x;
  m.values[13] = t.y;
  m.values[14] = t.z;
  return m;
}

// frame turned by angle degrees about the axis through a along u; false when u has no direction.
bool turnedAbout(const vectorC3d<double>& a, const vectorC3d<double>& u, double angle, const matrixC4x4<double>& frame,
                 matrixC4x4<double>& turned) {
  matrixC4x4<double> turn;
  if (!turn.setRotation(u.x, u.y, u.z, angle)) return false;
  turned = translation(a) * turn * translation(vectorC3d<double>(-a.x, -a.y, -a.z)) * frame;
  return true;
}

// The frame a cosmetic sketch gets to face the view's direction; false when the sketch is
// left out (no centre line, one of length 0 or not across the view, or no turn found).
bool facingFrame(m3dCosSketchC& sketch, const vectorC3d<double>& zv, matrixC4x4<double>& frame) {
  frame = sketch.getMatrixValues();
  const double d = dot(frame.getZ(), zv);
  if (std::fabs(d) >= facingLimit) return true;
  if (!sketch.hasCenterLine()) return false;
  m3dCenterLineC centre = sketch.getCenterLine();
  const vectorC3d<double> a = frame.transformPoint2d(centre.getStartPoint());
  const vectorC3d<double> b = frame.transformPoint2d(centre.getEndPoint());
  vectorC3d<double> u(b.x - a.x, b.y - a.y, b.z - a.z);
  const double length = u.length();
  if (!(length > 0.0) || !std::isfinite(length)) return false;
  u = vectorC3d<double>(u.x / length, u.y / length, u.z / length);
  if (std::fabs(dot(u, zv)) > acrossTolerance) return false;
  const double angle = std::acos(std::fmax(-1.0, std::fmin(1.0, d))) * degreesPerRadian;
  matrixC4x4<double> turned;
  if (!turnedAbout(a, u, angle, frame, turned)) return false;
  if (std::fabs(dot(turned.getZ(), zv)) < facingLimit && !turnedAbout(a, u, 360.0 - angle, frame, turned)) return false;
  if (!isFiniteMatrix(turned)) return false;
  frame = turned;
  return true;
}

void collectFacingSketches(metaTreeC* part, const matrixC4x4<double>& view, metaTreeC* target) {
  const metaTreeC* draws = peekFieldNode(part, m3dCosmeticDrawsC::classKey);
  // Taken before anything is appended, so that a target inside the part adds no sketch twice.
  std::vector<metaTreeC*> sketches;
  for (metaTreeC* child = draws ? draws->firstChild : nullptr; child; child = child->next)
    if (child->hasKeyword(m3dCosSketchC::classKey)) sketches.push_back(child);
  const vectorC3d<double> zv = view.getZ();
  const int owner = peekIntField(part, "PARTNR");
  for (metaTreeC* child : sketches) {
    m3dCosSketchRetC sketch(child, 0);
    matrixC4x4<double> frame;
    if (!facingFrame(sketch, zv, frame)) continue;
    metaTreeC* copy = sketch.clone(1, 1);
    m3dCosSketchC(copy, 0).getMatrix().setMatrix(frame);
    metaTreeC::appendChild(copy, target);
    ++metaTreeChangeCounter;
    putPropertyDouble(fieldNode(copy, "COSSKETCHOWNERPARTNR"), double(owner));
  }
}

template <class slotT>
void forEachToolDocument(m3dPartC& part, slotT slot) {
  metaTreeC* tools = part.findChild(m3dToolDocumentsC::classKey);
  for (metaTreeC* tool = tools ? tools->firstChild : nullptr; tool; tool = tool->next)
    if (tool->hasKeyword(m3dToolDocumentC::classKey)) slot(m3dToolDocumentC(tool, 0));
}

// The geometry of the part times the factor; nothing at exactly 1.
void scaleGeometry(m3dPartC& part, double factor) {
  if (factor == 1.0) return;
  if (metaTreeC* items = part.findChild(m3dPartItemsC::classKey)) m3dGeomOpBaseC(items, 0).scaleChildren(factor);
  if (metaTreeC* connections = part.findChild(m3dConnectionsC::classKey))
    m3dGeomOpBaseC(connections, 0).scaleChildren(factor, m3dConnPointC::classKey);
  if (metaTreeC* draws = part.findChild(m3dCosmeticDrawsC::classKey)) m3dCosmeticDrawsC(draws, 0).scaleCosmeticSketches(factor);
  if (metaTreeC* sets = part.findChild(m3dAnnotationSetsC::classKey)) m3dGeomOpBaseC(sets, 0).scaleChildren(factor);
}

}  // namespace

int m3dPartC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  scaleGeometry(*this, factor);
  return 1;
}

int m3dPartC::transform(const matrixC4x4<double>& matrix) {
  if (!node || !isFiniteMatrix(matrix)) return 0;
  getItems().transformChildren(matrix);
  getConnections().transformChildren(matrix, m3dConnPointC::classKey);
  getCosmeticDraws().transformChildren(matrix);
  return 1;
}

void m3dPartC::collectCosmeticSketches(const matrixC4x4<double>& view, metaObjectC& target) {
  if (!node || !target.getNode()) return;
  const metaTreeC* items = findChild(m3dPartItemsC::classKey);
  if (items && metaTreeC::findByKeyword(items->firstChild, m3dFeatPatternC::classKey, 0)) {
    metaObjectC copy(clone(1, 1), 1);
    m3dDocumentC split(copy.getNode(), 0);
    splitAllFeaturePatterns(split);
    collectFacingSketches(copy.getNode(), view, target.getNode());
    return;
  }
  collectFacingSketches(node, view, target.getNode());
}

void m3dPartC::collectCenterLines(const matrixC4x4<double>& view, centerLineListC& lines, int all) {
  metaTreeC* items = findChild(m3dPartItemsC::classKey);
  if (!items) return;
  centerLineListC gathered;
  m3dPartItemsC(items, 0).collectCenterLines(gathered);
  const int number = peekIntField(node, "PARTNR");
  for (uint32_t i = 0; i < gathered.elementCount; ++i) {
    prjCenterLineDataC& line = gathered[i];
    line.partNumber = number;
    if (all || line.classify(view)) *lines.newElement() = line;
  }
}

void m3dPartC::adjustDocumentUnitBase(double unitBase, int tools) {
  if (!node || !(unitBase > 0.0) || !std::isfinite(unitBase)) return;
  const double old = storedUnitBase(findChild("PARTPREFS"));
  const double ratio = old / unitBase;
  if (old == unitBase || !std::isfinite(ratio)) return;
  scaleGeometry(*this, ratio);
  putPropertyDouble(fieldNode(getPartPrefs().getNode(), "UNITBASE"), unitBase);
  if (tools) forEachToolDocument(*this, [ratio](m3dToolDocumentC tool) { tool.scale(ratio); });
}

void m3dPartC::splitFeaturePatterns(int tools) {
  if (!node) return;
  getItems().splitFeaturePatterns();
  if (tools) forEachToolDocument(*this, [tools](m3dToolDocumentC tool) { tool.getDocument().splitFeaturePatterns(tools); });
}

void m3dPartC::splitDoubleSideFeatures(int tools) {
  if (!node) return;
  getItems().splitDoubleSideFeatures(1);
  if (tools) forEachToolDocument(*this, [tools](m3dToolDocumentC tool) { tool.getDocument().splitDoubleSideFeatures(tools); });
}

void m3dPartC::splitMultipleSweeps(int tools) {
  if (!node) return;
  getItems().splitMultipleSweeps();
  if (tools) forEachToolDocument(*this, [tools](m3dToolDocumentC tool) { tool.getDocument().splitMultipleSweeps(tools); });
}
