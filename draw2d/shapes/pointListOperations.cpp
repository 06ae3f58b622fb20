#include "draw2d/shapes/pointListOperations.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "draw2d/shapes/mObjPoint2dC.h"
#include "draw2d/shapes/mObjPoint3dC.h"
#include "core/pointNodeValues.h"

namespace {

bool allScalable(const metaTreeC* list, double factor) {
  for (const metaTreeC* child = list->firstChild; child; child = child->next)
    if (!nodeValuesScalable(child, factor)) return false;
  return true;
}

bool scaleAll(metaTreeC* list, double factor) {
  if (!list || !allScalable(list, factor)) return false;
  for (metaTreeC* child = list->firstChild; child; child = child->next) scaleNodeValues(child, factor);
  return true;
}

bool finite3d(const vectorC3d<double>& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

// Links the chain of new points after the last child in one step.
template <class pointAtT>
bool appendPoints3d(metaTreeC* list, uint32_t count, pointAtT pointAt) {
  if (!list) return false;
  for (uint32_t i = 0; i < count; ++i)
    if (!finite3d(pointAt(i))) return false;
  metaTreeC* first = nullptr;
  metaTreeC* last = nullptr;
  for (uint32_t i = 0; i < count; ++i) {
    metaTreeC* point = metaTreeC::newWithKeyword(mObjPoint3dC::classKey);
    writeNodePoint3d(point, pointAt(i));
    if (last) metaTreeC::linkAfter(point, last);
    else first = point;
    last = point;
  }
  if (first) metaTreeC::appendChild(first, list);
  ++metaTreeChangeCounter;
  return true;
}

// The first and the last child with the key word.
void firstAndLast(const metaTreeC* list, const char* keyword, const metaTreeC*& first, const metaTreeC*& last) {
  first = last = nullptr;
  if (!list) return;
  for (const metaTreeC* child = list->firstChild; child; child = child->next)
    if (child->hasKeyword(keyword)) {
      if (!first) first = child;
      last = child;
    }
}

uint32_t childCount(const metaTreeC* list) {
  uint32_t count = 0;
  for (const metaTreeC* child = list->firstChild; child; child = child->next) ++count;
  return count;
}

bool within(double a, double b) { return std::fabs(a - b) <= 1e-8; }
bool within(const vectorC2d<double>& a, const vectorC2d<double>& b) { return within(a.x, b.x) && within(a.y, b.y); }
bool within(const vectorC3d<double>& a, const vectorC3d<double>& b) {
  return within(a.x, b.x) && within(a.y, b.y) && within(a.z, b.z);
}

// 1 when the list holds two or more points of the key word, the first and the last within
// 1e-8 of each other in every coordinate.
template <class readT>
uint32_t endsMeet(const metaTreeC* list, const char* keyword, readT read) {
  const metaTreeC* first;
  const metaTreeC* last;
  firstAndLast(list, keyword, first, last);
  if (!first || first == last) return 0;
  return within(read(first), read(last)) ? 1 : 0;
}

}  // namespace

void pointListReadPoints2d(const metaTreeC* list, point2dArrayC& points) {
  points.elementCount = 0;
  if (!list) return;
  pageMemReserveElements(points, childCount(list));
  for (const metaTreeC* child = list->firstChild; child; child = child->next) appendPoint(points, readNodePoint2d(child));
}

point2dArrayC pointListGatherPoints2d(const metaTreeC* list) {
  point2dArrayC points;
  pointListReadPoints2d(list, points);
  return points;
}

bool pointListTransform2d(metaTreeC* list, const matrixC3x3<double>& matrix) {
  if (!list) return false;
  for (const metaTreeC* child = list->firstChild; child; child = child->next)
    if (!isFinitePoint(matrix.transformPoint2d(readNodePoint2d(child)))) return false;
  for (metaTreeC* child = list->firstChild; child; child = child->next) transformNodePoint2d(child, matrix);
  return true;
}

bool pointListScale2d(metaTreeC* list, double factor) { return scaleAll(list, factor); }

point3dArrayC pointListGatherPoints3d(const metaTreeC* list) {
  point3dArrayC points;
  if (!list) return points;
  pageMemReserveElements(points, childCount(list));
  for (const metaTreeC* child = list->firstChild; child; child = child->next) *points.newElement() = readNodePoint3d(child);
  return points;
}

bool pointListScale3d(metaTreeC* list, double factor) { return scaleAll(list, factor); }

bool pointListTransform3d(metaTreeC* list, const matrixC4x4<double>& matrix) {
  if (!list) return false;
  for (const metaTreeC* child = list->firstChild; child; child = child->next)
    if (!finite3d(matrix.transformPoint(readNodePoint3d(child)))) return false;
  for (metaTreeC* child = list->firstChild; child; child = child->next) transformNodePoint3d(child, matrix);
  return true;
}

bool pointListAppendPoints3d(metaTreeC* list, const point3dArrayC& points) {
  return appendPoints3d(list, points.elementCount, [&points](uint32_t i) { return points[i]; });
}

bool pointListAppendPoints3dRaw(metaTreeC* list, const double* values, uint32_t count) {
  if (!values && count) return false;
  return appendPoints3d(list, count, [values](uint32_t i) {
    return vectorC3d<double>(values[3 * size_t(i)], values[3 * size_t(i) + 1], values[3 * size_t(i) + 2]);
  });
}

uint32_t pointListIsClosed(const metaTreeC* list) {
  return endsMeet(list, mObjPoint2dC::classKey, [](const metaTreeC* point) { return readNodePoint2d(point); });
}

uint32_t isPointList3dClosed(const metaTreeC* list) {
  return endsMeet(list, mObjPoint3dC::classKey, [](const metaTreeC* point) { return readNodePoint3d(point); });
}
