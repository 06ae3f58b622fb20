// A circular arc ("ARC"), stored by three "POINT" children: the start, a point on the arc
// between start and end (it fixes side and direction), and the end. Centre, radius, angles
// and direction are derived from the three points on every call. Angles are degrees,
// counter-clockwise from +x, in [0, 359.9999). Three collinear points, or a start equal to
// the end, have no circle: the centre is then (0, 0).
#pragma once

#include <cstdint>

#include "draw2d/shapes/mBaseShape2dC.h"
#include "draw2d/shapes/metaObjListPoint2dContainerC.h"

class mBaseArc2dC : public mBaseShape2dC, public metaObjListPoint2dContainerC {
 public:
  static constexpr const char* classKey = "ARC";

  using mBaseShape2dC::mBaseShape2dC;
  mBaseArc2dC(const mBaseArc2dC& other) = default;
  mBaseArc2dC& operator=(const mBaseArc2dC& other);

  // A view owning a new unlinked "ARC" node, for the caller to fill and link.
  static mBaseArc2dC createNew();

  vectorC2d<double> getStartPoint() { return getPointAt(0); }
  // The stored point between start and end (not the centre: see getMiddlePoint).
  vectorC2d<double> getCenterPoint() { return getPointAt(1); }
  vectorC2d<double> getEndPoint() { return getPointAt(2); }
  // The centre of the circle through the three points; (0, 0) when they give none.
  vectorC2d<double> getMiddlePoint();
  // The distance from the start to the centre.
  double getRadius();
  double getStartAngle();
  double getEndAngle();
  // Both angles as stored, whatever the direction.
  void getAngles(double& start, double& end);
  // 1 unless the angles of start, intermediate point and end are in strict counter-clockwise
  // cyclic order.
  int isClockwise();
  // The angles in counter-clockwise order, the end raised by turns until it lies above the start.
  void getAnglesAscending(double& start, double& end);
  // The swept angle in degrees, in [0, 360).
  double getSweepAngle();

  double getLength() override;
  // A rectangle aligned with the chord; an arc whose start is its end gets its circle's box,
  // widened to hold the three points.
  void getBoundingCorners(vectorC2d<double>& corner1, vectorC2d<double>& corner2, vectorC2d<double>& corner3,
                          vectorC2d<double>& corner4) override;
  int transform(const matrixC3x3<double>& matrix) override;
  // The points always run counter-clockwise: a clockwise arc is sampled from its end.
  int appendPoints(point2dArrayC& points, double step) override;
  int scale(double factor) override;
  int getEndPoints(vectorC2d<double>& start, vectorC2d<double>& end) override;
  // The intermediate point stays.
  int setEndPoints(const vectorC2d<double>& start, const vectorC2d<double>& end) override;
  int reverse() override;
};
