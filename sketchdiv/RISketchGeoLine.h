// A straight segment of the division engine; it also serves as a cut line.
#pragma once

#include "sketchdiv/IRIBaseGeoObject.h"
#include "sketchdiv/sketchListT.h"

class RISketchGeoLine final : public IRIBaseGeoObject {
 public:
  RISketchGeoLine() = default;
  RISketchGeoLine(const vectorC2d<double>& start, const vectorC2d<double>& end) : start(start), end(end) {}
  RISketchGeoLine(const RISketchGeoLine& other) = default;
  RISketchGeoLine& operator=(const RISketchGeoLine& other) = default;
  ~RISketchGeoLine() = default;

  void set(const vectorC2d<double>& newStart, const vectorC2d<double>& newEnd);
  void setCoordinates(double x1, double y1, double x2, double y2);

  vectorC2d<double> getStartPoint() const override { return start; }
  vectorC2d<double> getEndPoint() const override { return end; }
  str getTypeName() const override { return str("line"); }
  bool isArc() const override { return false; }
  RISketchBoundingBox getBoundingBox() override;
  bool isCutClean(const RISketchGeoLine& cut) override;
  bool isEqual(const IRIBaseGeoObject* other) const override;
  bool reverse() override;
  void snapToZero() override;

  void getXRange(double& min, double& max) const;
  void getYRange(double& min, double& max) const;
  // Within the fixed 1e-6, whatever the tolerance.
  bool isVertical() const;
  bool isHorizontal() const;
  // On the segment within the tolerance (by the detour through p).
  bool containsPoint(const vectorC2d<double>& p) const;
  // The meeting point of the two infinite lines: 1, or 0 for parallel lines (p untouched).
  int intersect(const RISketchGeoLine& other, vectorC2d<double>& p) const;
  // Appends the two parts at p, or the line itself when p is off the segment or an end.
  void splitAtPoint(const vectorC2d<double>& p, sketchListT<RISketchGeoLine>& out) const;
  void splitByCut(const RISketchGeoLine& cut, sketchListT<RISketchGeoLine>& out) const;
  vectorC2d<double> midpoint() const;

  vectorC2d<double> start;
  vectorC2d<double> end;
};
