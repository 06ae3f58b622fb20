// A circular arc or full circle of the division engine. Angles are radians, counter-clockwise
// from +x; the arc runs counter-clockwise from startAngle to endAngle. The start, middle and
// end points are kept computed from centre, radius and angles (updatePoints), except where an
// operation says it swaps them.
#pragma once

#include <cstdint>

#include "sketchdiv/IRIBaseGeoObject.h"
#include "sketchdiv/sketchListT.h"

class RISketchGeoArc final : public IRIBaseGeoObject {
 public:
  RISketchGeoArc() = default;
  // Angles in degrees; a sweep of a whole turn or more makes a full circle.
  RISketchGeoArc(const vectorC2d<double>& centre, double radius, double startDegrees, double endDegrees,
                 uint8_t direction);
  // Through the start p1, a further point p2 and the end p3, which are kept as given.
  // Collinear points leave the centre at (0, 0).
  RISketchGeoArc(const vectorC2d<double>& p1, const vectorC2d<double>& p2, const vectorC2d<double>& p3);
  RISketchGeoArc(const RISketchGeoArc& other) = default;
  RISketchGeoArc& operator=(const RISketchGeoArc& other) = default;
  ~RISketchGeoArc() = default;

  // Re-initialises the arc (angles in degrees); only exactly 0 to 360 makes a full circle, and
  // the tolerance goes back to 1e-6.
  void set(const vectorC2d<double>& newCentre, double newRadius, double startDegrees, double endDegrees,
           uint8_t newDirection);

  vectorC2d<double> getStartPoint() const override { return startPoint; }
  vectorC2d<double> getEndPoint() const override { return endPoint; }
  str getTypeName() const override { return str("arc"); }
  bool isArc() const override { return true; }
  RISketchBoundingBox getBoundingBox() override;
  bool isCutClean(const RISketchGeoLine& cut) override;
  bool isEqual(const IRIBaseGeoObject* other) const override;
  bool reverse() override;
  void snapToZero() override;

  const vectorC2d<double>& getCentre() const { return centre; }
  double getRadius() const { return radius; }
  double getStartAngle() const { return startAngle; }
  double getEndAngle() const { return endAngle; }
  const vectorC2d<double>& getMidPoint() const { return midPoint; }
  uint8_t getDirection() const { return direction; }
  bool isFullCircle() const { return fullCircle != 0; }
  void setFullCircle(uint8_t value) { fullCircle = value; }

  void updatePoints();
  // The polar angle of p about the centre in degrees, in [0, 359.9999); 0 for the centre.
  double angleOfPoint(const vectorC2d<double>& p) const;
  // The crossings of the infinite cut line that lie on the arc: their number; a crossing off
  // the sweep becomes the no-point marker, and a line missing the circle leaves p1 and p2.
  int intersectLine(const RISketchGeoLine& cut, vectorC2d<double>& p1, vectorC2d<double>& p2) const;
  // On the sweep and within the tolerance of the circle. Changes the arc: fixes the end order
  // and raises endAngle to at least startAngle.
  bool containsPoint(const vectorC2d<double>& p);
  // Swaps the stored end points when they sit at each other's angle.
  bool fixEndOrder();
  // The corners of the arc's extent: (min, min), (max, min), (max, max), (min, max).
  bool boundingCorners(vectorC2d<double>& k0, vectorC2d<double>& k1, vectorC2d<double>& k2, vectorC2d<double>& k3);
  void splitAtPoint(const vectorC2d<double>& p, sketchListT<RISketchGeoArc>& out) const;
  void splitByCut(const RISketchGeoLine& cut, sketchListT<RISketchGeoArc>& out) const;

  vectorC2d<double> centre;
  double radius = 0.0;
  double startAngle = 0.0;
  double endAngle = 0.0;
  // Carried with the arc; nothing reads it.
  uint8_t direction = 0;
  uint8_t fullCircle = 0;
  vectorC2d<double> startPoint;
  vectorC2d<double> midPoint;
  vectorC2d<double> endPoint;

 private:
  // A fresh arc on this arc's circle between two angles in radians, with its identity.
  RISketchGeoArc partOfCircle(double from, double to, double partTolerance) const;
  // The polar angle of the point in degrees from its coordinates, 0 at the centre.
  double directAngle(const vectorC2d<double>& p) const;
  // Whether a in radians lies on the sweep, tried also a turn lower or higher.
  bool angleOnSweep(double a) const;
};
