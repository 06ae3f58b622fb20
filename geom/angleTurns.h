// Angles raised by whole turns, in degrees or radians, with a bound on the work: input a file or
// a script controls may put an angle any distance below its floor.
#pragma once

constexpr double fullTurnDegrees = 360.0;
constexpr double fullTurnRadians = 6.283185307179586;

// angle raised by whole turns (of fullTurn) while it lies below floor, or at or below it when
// strictlyAbove is set. After 1,000 single turns the rest is done in one step from the exact
// remainders; an angle or floor that is not finite gives the angle as it is.
double raiseByWholeTurns(double angle, double floor, bool strictlyAbove, double fullTurn);

inline double raiseDegreesByTurns(double angle, double floor, bool strictlyAbove) {
  return raiseByWholeTurns(angle, floor, strictlyAbove, fullTurnDegrees);
}

inline double raiseRadiansByTurns(double angle, double floor, bool strictlyAbove) {
  return raiseByWholeTurns(angle, floor, strictlyAbove, fullTurnRadians);
}
