#include "geom/angleTurns.h"

#include <cmath>

double raiseByWholeTurns(double angle, double floor, bool strictlyAbove, double fullTurn) {
  if (!std::isfinite(angle) || !std::isfinite(floor)) return angle;
  auto below = [floor, strictlyAbove](double a) { return strictlyAbove ? a <= floor : a < floor; };
  for (int turns = 0; turns < 1000 && below(angle); ++turns) angle += fullTurn;
  if (!below(angle)) return angle;
  double rest = std::fmod(std::fmod(angle, fullTurn) - std::fmod(floor, fullTurn), fullTurn);
  if (rest < 0.0) rest += fullTurn;
  if (strictlyAbove && rest == 0.0) rest = fullTurn;
  return floor + rest;
}
