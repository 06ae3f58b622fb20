#include "draw2d/shapes/shapeSampling.h"

double samplingStep(double step, double span) {
  if (step == 0.0) step = defaultSamplingStep;
  step = std::fabs(step);
  if (span / step > maxSamplingSteps) step = span / maxSamplingSteps;
  return step;
}

