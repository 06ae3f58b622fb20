#include "model3d/sketches/m3dSketchC.h"

#include <cmath>

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/metaTreeC.h"
#include "geom/planeGeometry2d.h"
#include "model3d/base/frameGeometry.h"
#include "model3d/base/keywordRegistrarViaT.h"
#include "model3d/bodyFeatures/m3dFeatBodyC.h"
#include "model3d/features/m3dPartItemsC.h"
#include "model3d/modelRegistries.h"
#include "model3d/sketches/m3dArcC.h"
#include "model3d/sketches/m3dCircleC.h"

namespace {

keywordRegistrarViaT<m3dSketchC, m3dSketchBaseC, m3dGeomOpBaseC> sketchGeometryRegistrar(geometricOp3dRegistry,
                                                                                          m3dSketchC::classKey, 5);
keywordRegistrarT<m3dSketchC, m3dFeatGenC> sketchFeatureRegistrar(featureRegistry, m3dSketchC::classKey, 5);

constexpr double noShapeLength = 1e8;
constexpr double onAxisTolerance = 1e-8;
constexpr double sameCentreTolerance = 1e-6;

bool isLoop(const metaTreeC* child) { return child->hasKeyword(m3dLoopC::classKey); }

// The distance of p from the infinite line through a and b (which must differ).
double distanceFromLine(const vectorC2d<double>& p, const vectorC2d<double>& a, const vectorC2d<double>& b) {
  const vectorC2d<double> d = b - a;
  const vectorC2d<double> r = p - a;
  return std::fabs(d.x * r.y - d.y * r.x) / d.length();
}

bool arcCentre(metaTreeC* arcNode, vectorC2d<double>& centre) {
  mBaseArc2dC arc(arcNode, 0);
  return circleCentreFrom3Points(arc.getStartPoint(), arc.getCenterPoint(), arc.getEndPoint(), centre);
}

}  // namespace

int m3dSketchC::scale(double factor) {
  if (!m3dSketchBaseC::scale(factor)) return 0;
  for (metaTreeC* child = node->firstChild ? metaTreeC::lastSibling(node->firstChild) : nullptr; child; child = child->previous)
    if (isLoop(child)) m3dLoopC(child, 0).forEachShapeScale(factor);
  return 1;
}

int m3dSketchC::transform(const matrixC4x4<double>& matrix) {
  matrixC4x4<double> frame;
  if (!node || !transformedFrame(matrix, frame)) return 0;
  m3dSketchBaseC::transform(matrix);
  getSketchOn().transform(matrix);
  if (isMirroredFrame(frame))
    for (metaTreeC* child = node->firstChild; child; child = child->next)
      if (isLoop(child)) m3dLoopC(child, 0).forEachShapeTransform(sketchMirror());
  return 1;
}

int m3dSketchC::getReferencedNames(nameListC& names) {
  m3dSketchOnC placement = getSketchOn();
  if (placement.isOnPlane()) *names.newElement() = placement.getOnPlaneName();
  else if (placement.isOnFace()) *names.newElement() = placement.getFace().getName();
  return 1;
}

uint32_t m3dSketchC::getShapeCount() {
  uint32_t count = 0;
  for (metaTreeC* child = node ? node->firstChild : nullptr; child; child = child->next)
    if (isLoop(child)) count += m3dLoopC(child, 0).getCount();
  return count;
}

int m3dSketchC::getCenterLineEnds(vectorC2d<double>& start, vectorC2d<double>& end) {
  if (!hasCenterLine()) return 0;
  m3dCenterLineC centre = getCenterLine();
  start = centre.getStartPoint();
  end = centre.getEndPoint();
  return 1;
}

int m3dSketchC::getCenterLineEnds3d(vectorC3d<double>& start, vectorC3d<double>& end) {
  vectorC2d<double> start2d, end2d;
  if (!getCenterLineEnds(start2d, end2d)) return 0;
  const matrixC4x4<double> frame = getMatrixValues();
  start = frame.transformPoint2d(start2d);
  end = frame.transformPoint2d(end2d);
  return 1;
}

int m3dSketchC::isLineOnCenterLine(mBaseLine2dC& line) {
  vectorC2d<double> centreStart, centreEnd;
  if (!line.isValid() || !getCenterLineEnds(centreStart, centreEnd)) return 0;
  const vectorC2d<double> start = line.getStartPoint();
  if (!isParallel2d(centreEnd - centreStart, line.getEndPoint() - start)) return 0;
  return distanceFromLine(start, centreStart, centreEnd) <= onAxisTolerance ? 1 : 0;
}

sketchLineListC m3dSketchC::getLinesOnCenterLine() {
  sketchLineListC lines;
  if (!hasCenterLine()) return lines;
  for (metaTreeC* loop = node->firstChild; loop; loop = loop->next) {
    if (!isLoop(loop)) continue;
    for (metaTreeC* shape = loop->firstChild; shape; shape = shape->next) {
      m3dLineC line(shape, 0);
      if (shape->hasKeyword(mBaseLine2dC::classKey) && isLineOnCenterLine(line)) *lines.newElement() = line;
    }
  }
  return lines;
}

double m3dSketchC::getShortestShapeLength(m3dShapeBaseC& shape) {
  double shortest = noShapeLength;
  for (metaTreeC* loop = node ? node->firstChild : nullptr; loop; loop = loop->next) {
    if (!isLoop(loop)) continue;
    for (metaTreeC* child = loop->firstChild; child; child = child->next) {
      const double length = mBaseShape2dC(child, 0).getLength();
      if (length < shortest) {
        shortest = length;
        shape.attach(child, 0);
      }
    }
  }
  return shortest;
}

int m3dSketchC::fixSketchEpsilon(double epsilon) {
  int sum = 0;
  for (metaTreeC* loop = node ? node->firstChild : nullptr; loop; loop = loop->next)
    if (isLoop(loop)) sum += m3dLoopC(loop, 0).fixLoopEpsilon(epsilon);
  return sum;
}

int m3dSketchC::getBoundRect(vectorC2d<double>& min, vectorC2d<double>& max) {
  min = vectorC2d<double>(1e10, 1e10);
  max = vectorC2d<double>(-1e10, -1e10);
  int loops = 0;
  for (metaTreeC* loop = node ? node->firstChild : nullptr; loop; loop = loop->next) {
    if (!isLoop(loop)) continue;
    ++loops;
    vectorC2d<double> low, high;
    m3dLoopC(loop, 0).calcShapesBoundRect(low, high);
    min = vectorC2d<double>(std::fmin(min.x, std::fmin(low.x, high.x)), std::fmin(min.y, std::fmin(low.y, high.y)));
    max = vectorC2d<double>(std::fmax(max.x, std::fmax(low.x, high.x)), std::fmax(max.y, std::fmax(low.y, high.y)));
  }
  return loops ? 1 : 0;
}

m3dFeatBodyC m3dSketchC::getUsingFeature() {
  if (!node || !isItemsNode(node->parent)) return m3dFeatBodyC();
  m3dPartItemsC items(node->parent, 0);
  const nameListC users = items.getDependentFeatureNames(getName());
  if (users.elementCount != 1) return m3dFeatBodyC();
  return m3dFeatBodyC(items.findFeatureByName(users[0]).getNode(), 0);
}

void m3dSketchC::mergeCollinearLines() {
  for (metaTreeC* loop = node ? node->firstChild : nullptr; loop; loop = loop->next) {
    if (!isLoop(loop) || !loop->firstChild || !loop->firstChild->next) continue;
    const uint32_t visits = m3dLoopC(loop, 0).getCount() + 1;
    metaTreeC* lineBefore = nullptr;
    metaTreeC* child = loop->firstChild;
    for (uint32_t visit = 0; visit < visits && child; ++visit) {
      if (!child->hasKeyword(mBaseLine2dC::classKey)) {
        lineBefore = nullptr;
      } else {
        mBaseLine2dC line(child, 0);
        if (lineBefore && lineBefore != child) {
          mBaseLine2dC before(lineBefore, 0);
          if (isParallel2d(line.getEndPoint() - line.getStartPoint(), before.getEndPoint() - before.getStartPoint())) {
            line.setPointAt(0, before.getStartPoint());
            metaTreeC::unlink(lineBefore);
            metaTreeC::deleteTree(lineBefore);
            ++metaTreeChangeCounter;
          }
        }
        lineBefore = child;
      }
      child = child->next ? child->next : loop->firstChild;
    }
  }
}

int m3dSketchC::getCircle(vectorC2d<double>* centre, double* radius) {
  if (getLoopCount() != 1) return 0;
  metaTreeC* loop = getLoops().getItemNode(0);
  metaTreeC* first = loop->firstChild;
  if (first && !first->next && first->hasKeyword(mBaseCircle2dC::classKey)) {
    mBaseCircle2dC circle(first, 0);
    if (centre) *centre = circle.getMiddlePoint();
    if (radius) *radius = circle.getRadius();
    return 1;
  }
  if (!first || !first->next || first->next->next || !first->hasKeyword(mBaseArc2dC::classKey) ||
      !first->next->hasKeyword(mBaseArc2dC::classKey))
    return 0;
  vectorC2d<double> firstCentre, secondCentre;
  if (!arcCentre(first, firstCentre) || !arcCentre(first->next, secondCentre)) return 0;
  if (!(std::fabs(firstCentre.x - secondCentre.x) <= sameCentreTolerance &&
        std::fabs(firstCentre.y - secondCentre.y) <= sameCentreTolerance))
    return 0;
  if (centre) *centre = firstCentre;
  if (radius) *radius = (mBaseArc2dC(first, 0).getStartPoint() - firstCentre).length();
  return 1;
}
