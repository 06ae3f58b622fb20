// A point against the infinite line through two points of the plane.
#pragma once

#include "geom/vectorC2d.h"

// The foot of the perpendicular from p onto the line through a and b. When a and b coincide
// the line has no direction and the foot is a.
vectorC2d<double> projectPointOnLine2d(const vectorC2d<double>& p, const vectorC2d<double>& a,
                                       const vectorC2d<double>& b);

// The distance from p to its foot on the line through a and b; when a and b coincide, the
// distance from p to a.
double pointLineDistance2d(const vectorC2d<double>& p, const vectorC2d<double>& a, const vectorC2d<double>& b);
