#include "core/pointNodeValues.h"

#include <cmath>

#include "core/metaObjListValContainerT.h"
#include "core/metaTreeC.h"

namespace {

double numberOf(const metaTreeC* child) { return child->value.isDouble() ? child->value.getDouble() : 0.0; }

// The numbers of a node with exactly count children, all numbers, into values; false for any
// other node (a pair holding a text is no point).
bool readExactly(const metaTreeC* node, double* values, int count, uint32_t* found) {
  int n = 0;
  bool numbers = true;
  if (node)
    for (const metaTreeC* child = node->firstChild; child && n <= count; child = child->next) {
      numbers = numbers && child->value.isDouble();
      ++n;
    }
  const bool exact = node && n == count && numbers;
  if (exact) {
    const metaTreeC* child = node->firstChild;
    for (int i = 0; i < count; ++i, child = child->next) values[i] = numberOf(child);
  }
  if (found) *found = exact ? 1 : 0;
  return exact;
}

bool allFinite(const double* values, int count) {
  for (int i = 0; i < count; ++i)
    if (!std::isfinite(values[i])) return false;
  return true;
}

bool writeValues(metaTreeC* node, const double* values, int count) {
  if (!node || !allFinite(values, count)) return false;
  metaObjListValContainerT<double>(node, 0).setValues(values, uint32_t(count));
  return true;
}

}  // namespace

vectorC2d<double> readNodePoint2d(const metaTreeC* node, uint32_t* found) {
  double values[2];
  if (!readExactly(node, values, 2, found)) return vectorC2d<double>();
  return vectorC2d<double>(values[0], values[1]);
}

vectorC3d<double> readNodePoint3d(const metaTreeC* node, uint32_t* found) {
  double values[3];
  if (!readExactly(node, values, 3, found)) return vectorC3d<double>();
  return vectorC3d<double>(values[0], values[1], values[2]);
}

matrixC4x4<double> readNodeMatrix4x4(const metaTreeC* node, uint32_t* found) {
  matrixC4x4<double> matrix;
  if (!readExactly(node, matrix.values, 16, found)) matrix.ident();
  return matrix;
}

bool writeNodePoint2d(metaTreeC* node, const vectorC2d<double>& p) {
  const double values[2] = {p.x, p.y};
  return writeValues(node, values, 2);
}

bool writeNodePoint3d(metaTreeC* node, const vectorC3d<double>& p) {
  const double values[3] = {p.x, p.y, p.z};
  return writeValues(node, values, 3);
}

bool transformNodePoint3d(metaTreeC* node, const matrixC4x4<double>& matrix) {
  return writeNodePoint3d(node, matrix.transformPoint(readNodePoint3d(node)));
}

bool transformNodePoint2d(metaTreeC* node, const matrixC3x3<double>& matrix) {
  return writeNodePoint2d(node, matrix.transformPoint2d(readNodePoint2d(node)));
}

bool nodeValuesScalable(const metaTreeC* node, double factor) {
  if (!node) return true;
  for (const metaTreeC* child = node->firstChild; child; child = child->next)
    if (child->value.isDouble() && !std::isfinite(child->value.getDouble() * factor)) return false;
  return true;
}

bool scaleNodeValues(metaTreeC* node, double factor) {
  if (!node || !nodeValuesScalable(node, factor)) return false;
  for (metaTreeC* child = node->firstChild; child; child = child->next)
    if (child->value.isDouble()) child->value.setDouble(child->value.getPosition(), child->value.getDouble() * factor);
  return true;
}
