#include "sketchdiv/IRIBaseGeoObject.h"

#include <algorithm>

#include "sketchdiv/sketchPointList.h"

bool IRIBaseGeoObject::startsAt(const vectorC2d<double>& p) const {
  return pointsEqual(getStartPoint(), p, tolerance);
}

bool IRIBaseGeoObject::endsAt(const vectorC2d<double>& p) const { return pointsEqual(getEndPoint(), p, tolerance); }

double IRIBaseGeoObject::distanceToEnds(const vectorC2d<double>& p) const {
  return std::min((p - getStartPoint()).length(), (p - getEndPoint()).length());
}

void IRIBaseGeoObject::clearMarks() {
  for (uint8_t& mark : marks) mark = 0;
}
