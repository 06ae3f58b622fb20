// Plane geometry of the 2D shapes: intersections of lines, circles through three points and
// 2x2 matrices applied to vectors.
#pragma once

#include <array>
#include <cstdint>

#include "geom/vectorC2d.h"

// The intersection of the infinite line through p0 and p1 with the one through q0 and q1, into
// out: 1. Parallel or degenerate lines (no tolerance), or an intersection beyond the double
// range, give 0 and leave out alone.
uint32_t intersectLines2d(const vectorC2d<double>& p0, const vectorC2d<double>& p1, const vectorC2d<double>& q0,
                          const vectorC2d<double>& q1, vectorC2d<double>& out);

// The centre of the circle through the three points (the meeting point of the perpendicular
// bisectors of p0-p1 and p2-p1), into out: true. Collinear points, or two equal ones, have no
// centre: false, out left alone.
bool circleCentreFrom3Points(const vectorC2d<double>& p0, const vectorC2d<double>& p1, const vectorC2d<double>& p2,
                             vectorC2d<double>& out);

// Copies the first min(n, 2) values into x and y; the rest of v stays.
void copyToVector2d(const double* values, int n, vectorC2d<double>& v);

// A 2x2 matrix column by column: m00, m10, m01, m11.
using matrix2x2S = std::array<double, 4>;

// m · v.
vectorC2d<double> matrixC2x2MulVec(const matrix2x2S& m, const vectorC2d<double>& v);

// The counter-clockwise rotation by the angle in degrees.
matrix2x2S rotationMatrix2x2(double degrees);

// The angle in degrees from +x counter-clockwise to d (vectorC2d::angleTo), into angle: true.
// A zero or non-finite d has no direction: false, angle left alone.
bool directionAngle(const vectorC2d<double>& d, double& angle);
