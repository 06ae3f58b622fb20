#include "model3d/partOperations/m3dFeatPatternC.h"

#include <cmath>
#include <string>

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "model3d/base/finiteValues.h"
#include "model3d/base/frameGeometry.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/modelRegistries.h"
#include "model3d/partOperations/featurePatternWorkSetC.h"
#include "model3d/partOperations/m3dFeatPatternBaseFeatC.h"
#include "model3d/partOperations/m3dFeatPatternSketchC.h"
#include "model3d/planes/planeCreators.h"
#include "model3d/sketches/m3dSketchC.h"

namespace {

keywordRegistrarT<m3dFeatPatternC, m3dGeomOpBaseC> patternGeometryRegistrar(geometricOp3dRegistry, m3dFeatPatternC::classKey, 5);
keywordRegistrarT<m3dFeatPatternC, m3dFeatGenC> patternFeatureRegistrar(featureRegistry, m3dFeatPatternC::classKey, 5);

constexpr double onPlaneTolerance = 1e-8;
constexpr double perpendicularTolerance = 1e-10;

vectorC3d<double> difference(const vectorC3d<double>& a, const vectorC3d<double>& b) {
  return vectorC3d<double>(a.x - b.x, a.y - b.y, a.z - b.z);
}

double dot(const vectorC3d<double>& a, const vectorC3d<double>& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

matrixC4x4<double> translation(const vectorC3d<double>& t) {
  matrixC4x4<double> m;
  m.ident();
  m.values[12] = t.x;
  m.values[13] = t.y;
  m.values[14] = t.z;
  return m;
}

// What a split reads, found without creating a node: the base feature and its sketch in the
// pattern's own list, the cosmetic sketch of that sketch in the part, and the pattern sketch.
struct patternSourcesS {
  metaTreeC* items = nullptr;
  metaTreeC* baseFeature = nullptr;
  metaTreeC* baseSketch = nullptr;
  metaTreeC* cosmetic = nullptr;
  metaTreeC* patternSketch = nullptr;
  matrixC4x4<double> baseFrame;
  matrixC4x4<double> patternFrame;
  vectorC3d<double> basePoint;
};

bool findSources(metaTreeC* pattern, bool inPart, patternSourcesS& sources) {
  if (!pattern || !pattern->parent) return false;
  sources.items = pattern->parent;
  m3dPartItemsC items(sources.items, 0);
  const metaTreeC* base = peekFieldNode(pattern, "FPBASEFEAT");
  uint32_t named = 0;
  const str baseName = peekStringField(base, "NAME", &named);
  if (!named) return false;
  sources.baseFeature = items.findFeatureByName(baseName.c_str()).getNode();
  if (!sources.baseFeature) return false;
  uint32_t used = 0;
  const str sketchName = peekStringField(sources.baseFeature, "USED", &used);
  if (!used) return false;
  m3dFeatGenC sketch = items.findFeatureByName(sketchName.c_str());
  if (!sketch.isValid() || !sketch.getNode()->hasKeyword(m3dSketchC::classKey)) return false;
  sources.baseSketch = sketch.getNode();
  if (inPart) sources.cosmetic = getParentPart(sources.items).getCosmeticSketchOf(sketch).getNode();
  sources.patternSketch = peekFieldNode(pattern, m3dFeatPatternSketchC::classKey);
  sources.baseFrame = readNodeMatrix4x4(peekFieldNode(sources.baseSketch, "MAT"));
  sources.patternFrame = readNodeMatrix4x4(peekFieldNode(sources.patternSketch, "MAT"));
  sources.basePoint = readNodePoint3d(peekFieldNode(base, "POINT3D"));
  return true;
}

// A copy of the node without its "SKETCHON".
metaTreeC* copyWithoutPlacement(metaTreeC* node) {
  metaTreeC* copy = metaObjectC(node, 0).clone(1, 1);
  if (metaTreeC* placement = peekFieldNode(copy, m3dSketchOnC::classKey)) {
    metaTreeC::unlink(placement);
    metaTreeC::deleteTree(placement);
  }
  return copy;
}

// Links a copy of the placement of source into target (an empty one when source has none).
m3dSketchOnC copyPlacement(const metaTreeC* source, metaTreeC* target) {
  const metaTreeC* placement = peekFieldNode(source, m3dSketchOnC::classKey);
  metaTreeC* copy = placement ? metaObjectC(const_cast<metaTreeC*>(placement), 0).clone(1, 1)
                              : metaTreeC::newWithKeyword(m3dSketchOnC::classKey);
  metaTreeC::appendChild(copy, target);
  return m3dSketchOnC(copy, 0);
}

// The plane that copy k stands on when it leaves the base sketch's plane: an offset of the
// plane the base sketch lies on, else an absolute plane. Empty when the plane is not held.
metaTreeC* instancePlane(const patternSourcesS& sources, const str& name, const vectorC3d<double>& moved) {
  const vectorC3d<double> zb = sources.baseFrame.getZ();
  const double along = dot(zb, moved);
  const double h = std::fabs(along);
  const metaTreeC* placement = peekFieldNode(sources.baseSketch, m3dSketchOnC::classKey);
  uint32_t onPlane = 0;
  const str planeName = peekStringField(placement, "PLANE", &onPlane);
  if (!peekFieldNode(placement, "PLANE")) {
    matrixC4x4<double> frame = sources.baseFrame;
    const double sign = along < 0.0 ? -1.0 : 1.0;
    for (int n = 0; n < 3; ++n) frame.values[12 + n] += sign * h * frame.values[8 + n];
    return createAbsPlane(name.c_str(), frame, 0).getNode();
  }
  m3dFeatGenC reference = m3dPartItemsC(sources.items, 0).findFeatureByName(planeName.c_str());
  if (!reference.isValid()) return nullptr;
  return createOffsetPlane(reference, name.c_str(), along < 0.0 ? 1 : 0, h, 0).getNode();
}

// Builds the copies of every instance into work. False, work holding whatever was built, when
// a plane is missing or a frame would not be finite.
bool buildCopies(metaTreeC* pattern, const patternSourcesS& sources, bool inPart, featurePatternWorkSetC& work) {
  const vectorC3d<double> zb = sources.baseFrame.getZ();
  const vectorC3d<double> zp = sources.patternFrame.getZ();
  const bool parallel = isParallel3d(zb, zp);
  const vectorC3d<double>& b = sources.basePoint;
  const metaTreeC* centreNode = peekFieldNode(sources.patternSketch, "FPSKETCHROTCP");
  const vectorC2d<double> centre = readNodePoint2d(centreNode);
  vectorC2d<double> reference(0.0, 0.0);
  if (centreNode) {
    const vectorC3d<double> tp = sources.patternFrame.getT();
    const double off = dot(zp, difference(b, tp));
    const vectorC3d<double> projected(b.x - off * zp.x, b.y - off * zp.y, b.z - off * zp.z);
    const vectorC3d<double> local = sources.patternFrame.inverseRigid().transformPoint(projected);
    reference = vectorC2d<double>(local.x - centre.x, local.y - centre.y);
  }
  const str patternName = peekStringField(pattern, "NAME");
  const str baseName = peekStringField(sources.baseFeature, "NAME");
  const metaTreeC* points = peekFieldNode(sources.patternSketch, "FPSKETCHPOINTS");
  int k = 0;
  for (const metaTreeC* point = points ? points->firstChild : nullptr; point; point = point->next) {
    const std::string number = std::to_string(++k);
    const vectorC2d<double> p = readNodePoint2d(point);
    const vectorC3d<double> q = sources.patternFrame.transformPoint2d(p);
    const vectorC3d<double> moved = difference(q, b);
    metaTreeC* sketch = copyWithoutPlacement(sources.baseSketch);
    work.append(work.sketches(), sketch);
    metaTreeC* cosmetic = inPart && sources.cosmetic ? copyWithoutPlacement(sources.cosmetic) : nullptr;
    if (cosmetic) work.append(work.cosmetics(), cosmetic);
    if (parallel) {
      copyPlacement(sources.patternSketch, sketch);
      if (cosmetic) copyPlacement(sources.patternSketch, cosmetic);
    } else if (inPart) {
      str planeName = patternName;
      planeName += " Plane ";
      planeName += number.c_str();
      metaTreeC* plane = instancePlane(sources, planeName, moved);
      if (!plane) return false;
      work.append(work.planes(), plane);
      copyPlacement(sources.baseSketch, sketch).setOnPlane(planeName.c_str());
      if (cosmetic) copyPlacement(sources.cosmetic, cosmetic).setOnPlane(planeName.c_str());
    }
    matrixC4x4<double> frame = sources.baseFrame;
    frame.values[12] += moved.x;
    frame.values[13] += moved.y;
    frame.values[14] += moved.z;
    if (centreNode) {
      const double angle = reference.angleTo(vectorC2d<double>(p.x - centre.x, p.y - centre.y));
      matrixC4x4<double> turn;
      if (turn.setRotation(zb.x, zb.y, zb.z, angle))
        frame = translation(q) * turn * translation(vectorC3d<double>(-q.x, -q.y, -q.z)) * frame;
    }
    if (!isFiniteMatrix(frame)) return false;
    str sketchName = patternName;
    sketchName += "_SKETCH_";
    sketchName += number.c_str();
    m3dSketchBaseC(sketch, 0).getMatrix().setMatrix(frame);
    m3dFeatGenC(sketch, 0).setName(sketchName.c_str());
    if (cosmetic) {
      m3dSketchBaseC(cosmetic, 0).getMatrix().setMatrix(frame);
      str cosmeticName = sketchName;
      cosmeticName += "_COSMETIC";
      m3dFeatGenC(cosmetic, 0).setName(cosmeticName.c_str());
    }
    metaTreeC* feature = metaObjectC(sources.baseFeature, 0).clone(1, 1);
    work.append(work.features(), feature);
    str featureName = baseName;
    featureName += "_";
    featureName += number.c_str();
    m3dFeatGenC copy(feature, 0);
    copy.setName(featureName.c_str());
    copy.setUsedName(sketchName.c_str());
  }
  return true;
}

}  // namespace

int m3dFeatPatternC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  if (metaTreeC* base = findChild(m3dFeatPatternBaseFeatC::classKey)) m3dFeatPatternBaseFeatC(base, 0).scale(factor);
  if (metaTreeC* sketch = findChild(m3dFeatPatternSketchC::classKey)) m3dFeatPatternSketchC(sketch, 0).scale(factor);
  return 1;
}

int m3dFeatPatternC::transform(const matrixC4x4<double>& matrix) {
  if (!node || !isFiniteMatrix(matrix)) return 0;
  if (metaTreeC* sketch = findChild(m3dFeatPatternSketchC::classKey)) m3dFeatPatternSketchC(sketch, 0).transform(matrix);
  if (metaTreeC* point = peekFieldNode(findChild(m3dFeatPatternBaseFeatC::classKey), "POINT3D"))
    transformNodePoint3d(point, matrix);
  return 1;
}

int m3dFeatPatternC::collectCenterLines(centerLineListC& lines) {
  patternSourcesS sources;
  featurePatternWorkSetC work;
  if (!findSources(node, false, sources) || !buildCopies(node, sources, false, work)) return int(lines.elementCount);
  metaObjectC scratch = metaObjectC::createWithKeyword(m3dPartItemsC::classKey, 1);
  metaTreeC* holder = metaTreeC::newWithKeyword("LIST");
  metaTreeC::appendChild(holder, scratch.getNode());
  chainAfterC append(holder);
  for (metaTreeC* list : {work.features(), work.sketches(), work.planes()}) takeChildren(list, append);
  metaTreeC::unlink(holder);
  metaTreeC::deleteTree(holder);
  return m3dPartItemsC(scratch.getNode(), 0).collectCenterLines(lines);
}

int m3dFeatPatternC::splitIntoCopies() {
  metaTreeC* cosmeticsTail = nullptr;
  return splitIntoCopies(cosmeticsTail);
}

int m3dFeatPatternC::splitIntoCopies(metaTreeC*& cosmeticsTail) {
  if (!node || !isItemsNode(node->parent) || !isPartNode(node->parent->parent)) return 0;
  patternSourcesS sources;
  featurePatternWorkSetC work;
  if (!findSources(node, true, sources) || !buildCopies(node, sources, true, work)) return 0;
  metaTreeC* pattern = node;
  for (metaTreeC* list : {work.features(), work.sketches(), work.planes()})
    takeChildren(list, [pattern](metaTreeC* child) { metaTreeC::insertAfter(child, pattern); });
  if (work.cosmetics()->firstChild) {
    metaTreeC* draws = m3dPartC(pattern->parent->parent, 0).getCosmeticDraws().getNode();
    if (!cosmeticsTail || cosmeticsTail->parent != draws || cosmeticsTail->next)
      cosmeticsTail = draws->firstChild ? metaTreeC::lastSibling(draws->firstChild) : nullptr;
    if (!cosmeticsTail) {
      cosmeticsTail = work.cosmetics()->firstChild;
      metaTreeC::unlink(cosmeticsTail);
      metaTreeC::appendChild(cosmeticsTail, draws);
    }
    takeChildren(work.cosmetics(), [&cosmeticsTail](metaTreeC* child) {
      metaTreeC::insertAfter(child, cosmeticsTail);
      cosmeticsTail = child;
    });
  }
  metaTreeC::unlink(pattern);
  ++metaTreeChangeCounter;
  metaTreeC::deleteTree(pattern);
  return 1;
}

int m3dFeatPatternC::getReferencedNames(nameListC& names) {
  const str baseName = peekStringField(peekFieldNode(node, m3dFeatPatternBaseFeatC::classKey), "NAME");
  m3dFeatGenC base = m3dPartItemsC(node ? node->parent : nullptr, 0).findFeatureByName(baseName.c_str());
  *names.newElement() = base.isValid() ? base.getName() : str();
  return 1;
}

int m3dFeatPatternC::isBasePointOnPatternPlane() {
  patternSourcesS sources;
  if (!findSources(node, false, sources)) return 0;
  const vectorC3d<double> offset = difference(sources.basePoint, sources.patternFrame.getT());
  return std::fabs(dot(sources.patternFrame.getZ(), offset)) < onPlaneTolerance ? 1 : 0;
}

int m3dFeatPatternC::isParallelWithBasePointOnPlane() {
  patternSourcesS sources;
  if (!findSources(node, false, sources)) return 0;
  return isParallel3d(sources.baseFrame.getZ(), sources.patternFrame.getZ()) && isBasePointOnPatternPlane() ? 1 : 0;
}

int m3dFeatPatternC::isPerpendicularToBase() {
  patternSourcesS sources;
  if (!findSources(node, false, sources)) return 0;
  return dot(sources.baseFrame.getZ(), sources.patternFrame.getZ()) < perpendicularTolerance ? 1 : 0;
}

int splitAllFeaturePatterns(m3dDocumentC& document) {
  int split = 0;
  const nodeListC parts = document.getPartNodes();
  for (uint32_t i = 0; i < parts.elementCount; ++i) {
    metaTreeC* items = peekFieldNode(parts[i], m3dPartItemsC::classKey);
    metaTreeC* next = nullptr;
    metaTreeC* cosmeticsTail = nullptr;
    for (metaTreeC* item = items ? items->firstChild : nullptr; item; item = next) {
      next = item->next;
      if (item->hasKeyword(m3dFeatPatternC::classKey)) split += m3dFeatPatternC(item, 0).splitIntoCopies(cosmeticsTail);
    }
  }
  return split;
}
