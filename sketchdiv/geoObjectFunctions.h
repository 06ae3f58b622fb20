// Free helpers of the engine's curves: the circle-line intersection, value snapping and
// signs and the no-point marker; arcs raise their angles by whole turns through geom/angleTurns.h.
#pragma once

#include "geom/angleTurns.h"
#include "geom/vectorC2d.h"

// The coordinate of a crossing that does not exist (0x12345678).
constexpr double noPointMarker = 305419896.0;
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

