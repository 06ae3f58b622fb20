#include "sketchdiv/RISketchRect.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double margin = 0.0001;

}  // namespace

void RISketchRect::clear() { minX = minY = maxX = maxY = 0.0; }

void RISketchRect::assign(const RISketchRect& other) { *this = other; }

bool RISketchRect::containsPoint(double x, double y) const {
  return minX - margin <= x && x <= maxX + margin && minY - margin <= y && y <= maxY + margin;
}

bool RISketchRect::isInside(const RISketchRect& other) const {
  return other.containsPoint(minX, minY) && other.containsPoint(maxX, minY) && other.containsPoint(minX, maxY) &&
         other.containsPoint(maxX, maxY);
}

double RISketchRect::overlapMeasure(const RISketchRect& other) const {
  const double x0 = std::max(minX, other.minX);
  const double x1 = std::min(maxX, other.maxX);
  const double y0 = std::max(minY, other.minY);
  const double y1 = std::min(maxY, other.maxY);
  return std::fabs(x0 - x1) * std::fabs(y0 - y1);
}

double RISketchRect::width() const { return std::fabs(maxX - minX); }

double RISketchRect::height() const { return std::fabs(maxY - minY); }

double RISketchRect::area() const { return width() * height(); }

bool RISketchRect::centre(double& x, double& y) const {
  x = (minX + maxX) / 2.0;
  y = (minY + maxY) / 2.0;
  return true;
}
