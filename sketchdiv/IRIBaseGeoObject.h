// A curve of the division engine: a line or an arc with its own point tolerance, seven marks
// and the identity of the input curve it came from. Curves are values, copied into the
// engine's lists; nothing deletes them through this interface.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "geom/vectorC2d.h"
#include "sketchdiv/RISketchBoundingBox.h"

class RISketchGeoLine;

class IRIBaseGeoObject {
 public:
  // The identity of a curve that no input curve gave, such as a closing segment along a cut.
  static constexpr int32_t noSource = -1;

  virtual vectorC2d<double> getStartPoint() const = 0;
  virtual vectorC2d<double> getEndPoint() const = 0;
  // "line" or "arc".
  virtual str getTypeName() const = 0;
  // The kind that getTypeName names, without building the text.
  virtual bool isArc() const = 0;
  // An arc recomputes its points from its angles first.
  virtual RISketchBoundingBox getBoundingBox() = 0;
  // Whether the cut passes without touching an end point.
  virtual bool isCutClean(const RISketchGeoLine& cut) = 0;
  // The end opposite the given one, into other; false, other untouched, when p is no end.
  virtual bool getOtherEnd(const vectorC2d<double>& p, vectorC2d<double>& other) const;
  // Same kind and geometry within this object's tolerance; false for null.
  virtual bool isEqual(const IRIBaseGeoObject* other) const = 0;
  virtual bool reverse() = 0;
  // Coordinates of its points no farther from 0 than its tolerance become 0.0.
  virtual void snapToZero() = 0;

  bool startsAt(const vectorC2d<double>& p) const;
  bool endsAt(const vectorC2d<double>& p) const;
  // The smaller of the distances from p to the two ends.
  double distanceToEnds(const vectorC2d<double>& p) const;

  double getTolerance() const { return tolerance; }
  void setTolerance(double value) { tolerance = value; }
  int32_t getSource() const { return source; }
  void setSource(int32_t value) { source = value; }
  void clearMarks();

  uint8_t marks[7];

 protected:
  IRIBaseGeoObject() { clearMarks(); }
  IRIBaseGeoObject(const IRIBaseGeoObject& other) : tolerance(other.tolerance), source(other.source) { clearMarks(); }
  // Marks belong to the record, not to the curve: they stay.
  IRIBaseGeoObject& operator=(const IRIBaseGeoObject& other) {
    tolerance = other.tolerance;
    source = other.source;
    return *this;
  }
  ~IRIBaseGeoObject() = default;

  double tolerance = 1e-6;
  // Kept by copies and inherited by split parts; never compared.
  int32_t source = noSource;
};
