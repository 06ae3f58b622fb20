#include "sketchdiv/RINumericRange.h"

#include <algorithm>
#include <cmath>

#include "sketchdiv/sketchListT.h"

void RINumericRange::clear() { set(0.0, 0.0, 0); }

void RINumericRange::set(double a, double b, uint8_t flagValue) {
  min = a <= b ? a : b;
  max = a <= b ? b : a;
  flag = flagValue;
}

void RINumericRange::get(double& outMin, double& outMax, uint8_t& outFlag) const {
  outMin = min;
  outMax = max;
  outFlag = flag;
}

double RINumericRange::centre() const { return (max + min) / 2.0; }

double RINumericRange::length() const { return std::fabs(max - min); }

bool RINumericRange::isEmpty() const { return std::fabs(min - max) <= 1e-14; }

bool RINumericRange::isEqual(const RINumericRange& other) const {
  return std::fabs(other.min - min) <= 1e-18 && std::fabs(other.max - max) <= 1e-18;
}

bool RINumericRange::overlapsWith(const RINumericRange& other) const {
  auto within = [](double value, const RINumericRange& range) { return range.min <= value && value <= range.max; };
  return within(min, other) || within(max, other) || within(other.min, *this) || within(other.max, *this);
}

bool RINumericRange::intersection(const RINumericRange& a, const RINumericRange& b, RINumericRange& out) {
  if (!a.overlapsWith(b)) return false;
  out.set(std::max(a.min, b.min), std::min(a.max, b.max), b.flag);
  return true;
}

bool RINumericRange::unionWith(const RINumericRange& a, const RINumericRange& b, RINumericRange& out) {
  if (!a.overlapsWith(b)) return false;
  out.set(std::min(a.min, b.min), std::max(a.max, b.max), b.flag);
  return true;
}

RINumericRange RINumericRange::gapBetween(const RINumericRange& a, const RINumericRange& b) {
  if (a.overlapsWith(b)) return RINumericRange();
  if (a.max < b.min) return RINumericRange(a.max, b.min, 0);
  if (b.max < a.min) return RINumericRange(b.max, a.min, 0);
  return RINumericRange();
}

bool RINumericRange::splitAtPercent(double percent, sketchListT<RINumericRange>& out) const {
  const double at = min + std::fabs(max - min) / 100.0 * percent;
  const RINumericRange lower(min, at, 1);
  const RINumericRange upper(at, max, 1);
  if (!lower.isEmpty()) out.append(lower);
  if (!upper.isEmpty()) out.append(upper);
  return true;
}
