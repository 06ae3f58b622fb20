// A hatch of a 2D figure ("M2DHATCH" under the figure's "M2DHATCHES"): the angle and spacing
// of its lines ("ANGLE", "DISTANCE", one number each, 0.0 when they hold none), its boundary
// loops ("M2DHATCHLOOPS", each loop's "M2DHATCHLOOPSHREFS" naming shapes of the figure by
// reference) and its lines ("M2DHATCHLINES" > "LINE"). Accessors create missing children.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"

class m2dHatchC : public metaObjectC {
 public:
  static constexpr const char* classKey = "M2DHATCH";

  using metaObjectC::metaObjectC;

  double getAngle() { return getDoubleAttribute("ANGLE"); }
  double getDistance() { return getDoubleAttribute("DISTANCE"); }
  // Each writes its number in front of whatever else the child holds; a number that is not
  // finite is refused: 0.
  int setAngle(double degrees) { return putNumber("ANGLE", degrees); }
  int setDistance(double distance) { return putNumber("DISTANCE", distance); }

  metaTreeC* loopsNode() { return findOrCreateChildByKeyword("M2DHATCHLOOPS"); }
  metaTreeC* linesNode() { return findOrCreateChildByKeyword("M2DHATCHLINES"); }

  // The spacing and the hatch lines times factor; a spacing that would not be finite stays.
  void scale(double factor);

 private:
  int putNumber(const char* key, double value);
};
