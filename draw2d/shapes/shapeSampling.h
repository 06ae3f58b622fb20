// The loops of the shape geometry, each with a fixed bound: sampling along an angle or a curve
// parameter, and angles raised by whole turns.
#pragma once

#include <cmath>
#include <cstdint>

#include "draw2d/shapes/point2dArrayC.h"

// The default sampling step, 5 degrees in radians.
inline constexpr double defaultSamplingStep = 0.08726646259971647;
inline constexpr double twoPi = 6.283185307179586;
inline constexpr double pi = 3.141592653589793;
// A span is sampled in at most this many steps.
inline constexpr double maxSamplingSteps = 1000000.0;

// The step to sample a span with: exactly 0.0 gives 5 degrees, a negative step counts by its
// size, and a span of more than maxSamplingSteps steps is cut into maxSamplingSteps.
double samplingStep(double step, double span);

// Appends pointAt(t) for t = from, from + step, from + 2 step ... while t < to, then
// pointAt(to). A span that is not finite gives the point at to alone.
template <class pointAtT>
void sampleSpan(point2dArrayC& points, double from, double to, double step, pointAtT pointAt) {
  const double span = to - from;
  if (std::isfinite(span)) {
    const double advance = samplingStep(step, span);
    const double steps = std::ceil(span / advance);
    if (steps > 0.0) pageMemReserveElements(points, uint32_t(std::fmin(steps, maxSamplingSteps) + 3.0));
    double t = from;
    // Rounding can leave one step more than the span holds; past that a step too small to
    // move t any further ends the loop.
    for (uint32_t k = 0; t < to && k <= uint32_t(maxSamplingSteps) + 1; ++k) {
      appendPoint(points, pointAt(t));
      const double next = t + advance;
      if (!(next > t)) break;
      t = next;
    }
  }
  appendPoint(points, pointAt(to));
}

