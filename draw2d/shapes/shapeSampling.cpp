#include "draw2d/shapes/shapeSampling.h"

double samplingStep(double step, double span) {
  if (step == 0.0) step = defaultSamplingStep;
  step = std::fabs(step);
  if (span / step > maxSamplingSteps) step = span / maxSamplingSteps;
  return step;
}

double raiseByTurns(double end, double start, bool strictly) {
  if (!std::isfinite(end) || !std::isfinite(start)) return end;
  auto below = [start, strictly](double angle) { return strictly ? angle <= start : angle < start; };
  for (int turns = 0; turns < 1000 && below(end); ++turns) end += 360.0;
  if (!below(end)) return end;
  // Far below: the remainders are exact, so the rest of the turns cost one step.
  double rest = std::fmod(std::fmod(end, 360.0) - std::fmod(start, 360.0), 360.0);
  if (rest < 0.0) rest += 360.0;
  if (strictly && rest == 0.0) rest = 360.0;
  return start + rest;
}
