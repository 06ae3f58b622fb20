#include "sketchdiv/IRIBaseGeoObject.h"

#include <algorithm>

#include "sketchdiv/sketchPointList.h"

bool IRIBaseGeoObject::startsAt(const vectorC2d<double>& p) const {
  return pointsEqual(getStartPoint(), p, tolerance);
}

bool IRIBaseGeoObject::endsAt(const vectorC2d<double>& p) const { return pointsEqual(getEndPoint(), p, tolerance); }

bool IRIBaseGeoObject::getOtherEnd(const vectorC2d<double>& p, vectorC2d<double>& other) const {
  if (startsAt(p)) {
    other = getEndPoint();
    return true;
  }
  if (endsAt(p)) {
    other = getStartPoint();
    return true;
  }
  return false;
}

double IRIBaseGeoObject::distanceToEnds(const vectorC2d<double>& p) const {
  return std::min((p - getStartPoint()).length(), (p - getEndPoint()).length());
}

void IRIBaseGeoObject::clearMarks() {
  for (uint8_t& mark : marks) mark = 0;
}
