// Solves m x = b for a 2 x 2 matrix m held by columns: (m[0], m[1]) is the first column.
#pragma once

// Returns 0 and leaves x as it was when |det m| < eps. Otherwise fills x, with every
// component of magnitude below eps set to 0.0, and returns 1. A NaN is never below eps.
int solve2x2(const double m[4], const double b[2], double x[2], double eps);
