// The nine-point rational quadratic net of the unit circle, its weights and knots.
#pragma once

#include "geom/vectorC3d.h"
#include "memman/memManDataPoolC.h"

// The corner weight is this literal, not the double nearest to the square root of one half.
constexpr double unitCircleCornerWeight = 0.70710678118655;

inline const vectorC3d<double> unitCircleCounterClockwise[9] = {
    {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {-1, 1, 0}, {-1, 0, 0}, {-1, -1, 0}, {0, -1, 0}, {1, -1, 0}, {1, 0, 0}};

inline const vectorC3d<double> unitCircleClockwise[9] = {
    {1, 0, 0}, {1, -1, 0}, {0, -1, 0}, {-1, -1, 0}, {-1, 0, 0}, {-1, 1, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}};

inline const double unitCircleWeights[9] = {1, unitCircleCornerWeight, 1, unitCircleCornerWeight, 1,
                                            unitCircleCornerWeight, 1, unitCircleCornerWeight, 1};

inline memManDataPoolC<double> circleKnots() {
  static const double knots[12] = {0, 0, 0, 0.25, 0.25, 0.5, 0.5, 0.75, 0.75, 1, 1, 1};
  return memManDataPoolC<double>(knots, 12);
}
