// Free helpers of the engine's curves: the circle-line intersection, value snapping and
// signs, the no-point marker and the bounded raising of arc angles by whole turns.
#pragma once

#include "geom/vectorC2d.h"

// The coordinate of a crossing that does not exist (0x12345678).
constexpr double noPointMarker = 305419896.0;
constexpr double fullTurn = 6.283185307179586;
constexpr double radiansPerDegree = 0.017453292519943295;

// The infinite line through a and b against the circle: 1 and the two crossings (equal for a
// tangent), or 0, p1 and p2 untouched, when it misses or a and b coincide.
int intersectLineCircle(const vectorC2d<double>& a, const vectorC2d<double>& b, const vectorC2d<double>& centre,
                        double radius, vectorC2d<double>& p1, vectorC2d<double>& p2);

// value := target when they lie within the tolerance.
void snapValue(double& value, double target, double tolerance);

// -1, 0 or 1; NaN gives 0.
int signOf(double v);

// Whether neither coordinate holds the no-point marker.
bool isPresentPoint(const vectorC2d<double>& p);

// The angle raised by whole turns until it is not below floor (strictly above with
// strictlyAbove). At most 1,000 single turns, then the needed multiple in one step, so that
// far-apart angles cannot hold the caller; an angle or floor that is not finite gives the
// angle as it is.
double raiseAngleByTurns(double angle, double floor, bool strictlyAbove);
