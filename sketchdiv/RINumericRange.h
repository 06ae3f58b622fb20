// A closed interval on one axis with a carried flag byte; every operation that stores two
// bounds orders them, so min <= max.
#pragma once

#include <cstdint>

template <class T>
class sketchListT;

class RINumericRange {
 public:
  RINumericRange() = default;
  RINumericRange(double a, double b, uint8_t flag) { set(a, b, flag); }

  void clear();
  void set(double a, double b, uint8_t flag);

  double getMin() const { return min; }
  double getMax() const { return max; }
  uint8_t getFlag() const { return flag; }
  void setFlag(uint8_t value) { flag = value; }
  void get(double& outMin, double& outMax, uint8_t& outFlag) const;

  double centre() const;
  double length() const;
  bool isEmpty() const;
  bool isEqual(const RINumericRange& other) const;
  // Closed intervals: touching ends overlap.
  bool overlapsWith(const RINumericRange& other) const;

  // The common part of a and b, flagged as b; false, out untouched, when they do not overlap.
  static bool intersection(const RINumericRange& a, const RINumericRange& b, RINumericRange& out);
  // The hull of a and b, flagged as b; false, out untouched, when they do not overlap.
  static bool unionWith(const RINumericRange& a, const RINumericRange& b, RINumericRange& out);
  // The open stretch between two disjoint ranges; (0, 0) when they overlap.
  static RINumericRange gapBetween(const RINumericRange& a, const RINumericRange& b);

  // The halves below and above percent of the length, each flagged 1, the empty ones left out.
  bool splitAtPercent(double percent, sketchListT<RINumericRange>& out) const;

 private:
  double min = 0.0;
  double max = 0.0;
  uint8_t flag = 0;
};
