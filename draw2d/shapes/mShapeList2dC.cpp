#include "draw2d/shapes/mShapeList2dC.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "core/metaTreeC.h"
#include "draw2d/shapes/point2dArrayC.h"

namespace {

bool keywordListed(const metaTreeC* shape, const pageMemT<str, 3>& keywords) {
  const char* keyword = shape->value.isWord() ? shape->value.getText()->c_str() : "";
  for (uint32_t i = 0; i < keywords.elementCount; ++i) {
    const char* listed = keywords[i].c_str();
    if (std::strcmp(listed ? listed : "", keyword) == 0) return true;
  }
  return false;
}

bool hasCorners(const vectorC2d<double>* corners) {
  for (int i = 0; i < 4; ++i)
    if (std::isnan(corners[i].x) || std::isnan(corners[i].y)) return false;
  return true;
}

// Unlinks the children of node, all at once, as one chain without parent.
metaTreeC* takeChildren(metaTreeC* node) {
  metaTreeC* chain = node->firstChild;
  node->firstChild = nullptr;
  for (metaTreeC* child = chain; child; child = child->next) child->parent = nullptr;
  return chain;
}

}  // namespace

void mShapeList2dC::forEachShapeTransform(const matrixC3x3<double>& matrix) {
  if (!node) return;
  for (metaTreeC* shape = node->firstChild; shape; shape = shape->next) mBaseShape2dC(shape, 0).transform(matrix);
}

void mShapeList2dC::forEachShapeScale(double factor) {
  if (!node || factor == 0.0) return;
  for (metaTreeC* shape = node->firstChild; shape; shape = shape->next) mBaseShape2dC(shape, 0).scale(factor);
}

int mShapeList2dC::convertShapeList(int mode, const pageMemT<str, 3>& keywords, double step, double tolerance,
                                    mShapeList2dC& destination) {
  metaTreeC* target = destination.getNode();
  if (!node || !target) return 0;
  // Taken first: what is appended to destination must not be walked again when it is this list.
  pageMemT<metaTreeC*, 3> shapes;
  pageMemReserveElements(shapes, getCount());
  for (metaTreeC* shape = node->firstChild; shape; shape = shape->next) *shapes.newElement() = shape;
  // Each shape's part is linked after the destination's last child, found once and carried on,
  // so that the conversion takes time in proportion to the shapes, not to their square.
  metaTreeC* tail = target->firstChild ? metaTreeC::lastSibling(target->firstChild) : nullptr;
  int made = 0;
  for (uint32_t i = 0; i < shapes.elementCount; ++i) {
    metaTreeC* shape = shapes[i];
    const bool listed = keywordListed(shape, keywords);
    metaTreeC* part = nullptr;
    if ((listed && mode == 0) || (!listed && mode == 1)) {
      mShapeList2dC converted(metaTreeC::newWithKeyword("COLLECTION"), 1);
      made += mBaseShape2dC(shape, 0).toIntCurve(step, tolerance, converted);
      part = takeChildren(converted.getNode());
    } else {
      part = metaObjectVirtualDataBaseC(shape, 0).clone(1, 1);
    }
    if (!part) continue;
    if (tail) metaTreeC::linkAfter(part, tail);
    else metaTreeC::linkAsFirstChildren(part, target);
    tail = metaTreeC::lastSibling(part);
    ++metaTreeChangeCounter;
  }
  return made;
}

void mShapeList2dC::calcShapesBoundRect(vectorC2d<double>& min, vectorC2d<double>& max) {
  min = vectorC2d<double>(1e10, 1e10);
  max = vectorC2d<double>(-1e10, -1e10);
  if (!node) return;
  for (metaTreeC* shape = node->firstChild; shape; shape = shape->next) {
    // A shape that writes no corners (no registered class, or one without a box) is skipped.
    const double none = std::numeric_limits<double>::quiet_NaN();
    vectorC2d<double> corners[4] = {{none, none}, {none, none}, {none, none}, {none, none}};
    mBaseShape2dC(shape, 0).getBoundingCorners(corners[0], corners[1], corners[2], corners[3]);
    if (!hasCorners(corners)) continue;
    for (const vectorC2d<double>& corner : corners) {
      if (corner.x < min.x) min.x = corner.x;
      if (corner.y < min.y) min.y = corner.y;
      if (corner.x > max.x) max.x = corner.x;
      if (corner.y > max.y) max.y = corner.y;
    }
  }
}

mBaseShape2dC getKeyedShapeAt(metaObjListContainerC& list, int index, uint32_t* found) {
  metaTreeC* item = index < 0 ? nullptr : list.getItemNode(index);
  if (found) *found = item ? 1 : 0;
  return mBaseShape2dC(item, 0);
}
