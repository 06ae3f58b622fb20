// The common part of the full ellipse and the elliptic arc: a "POINT" child, the centre,
// "RAD1", the radius along the ellipse's own x axis, "RAD2", the one along its y axis, and
// "ANGLE", the turn of the RAD1 axis in degrees counter-clockwise from +x. A child that holds
// no number reads 0.0. The point of parameter t is C + Rot(ANGLE) (RAD1 cos t, RAD2 sin t).
// It has no key word of its own: over an "ELLIPSE" or "ELLIPSEARC" node it dispatches transform
// and sampling to the class of that key word; length, box and ends it does not give.
#pragma once

#include <cmath>
#include <cstdint>

#include "draw2d/shapes/mBaseShape2dC.h"
#include "draw2d/shapes/mObjPoint2dC.h"
#include "geom/planeGeometry2d.h"

// Centre, turn and radii of an ellipse, read once for many points.
struct ellipseFrameS {
  vectorC2d<double> centre;
  matrix2x2S rotation;
  double major;
  double minor;

  // The point of parameter t, in radians.
  vectorC2d<double> at(double t) const {
    return centre + matrixC2x2MulVec(rotation, vectorC2d<double>(major * std::cos(t), minor * std::sin(t)));
  }
};

class mBaseEllipseCore2dC : public mBaseShape2dC {
 public:
  using mBaseShape2dC::mBaseShape2dC;
  mBaseEllipseCore2dC(const mBaseEllipseCore2dC& other) = default;
  mBaseEllipseCore2dC& operator=(const mBaseEllipseCore2dC& other) = default;

  double getMajorRad() { return getDoubleAttribute("RAD1"); }
  double getMinorRad() { return getDoubleAttribute("RAD2"); }
  double getAngle() { return getDoubleAttribute("ANGLE"); }
  // Each writes its value in front of whatever else the child holds; a value that is not
  // finite is refused: 0.
  int setMajorRad(double radius) { return putAttribute("RAD1", radius); }
  int setMinorRad(double radius) { return putAttribute("RAD2", radius); }
  int setAngle(double degrees) { return putAttribute("ANGLE", degrees); }

  // The centre "POINT", appended empty when missing.
  metaTreeC* centreNode() { return findOrCreateChildByKeyword(mObjPoint2dC::classKey); }
  vectorC2d<double> getMiddlePoint() { return readNodePoint2d(centreNode()); }
  mObjPoint2dC getMiddlePointObj() { return mObjPoint2dC(centreNode(), 0); }

  // The ends of the two semi-axes: C + Rot (RAD1, 0) and C + Rot (0, RAD2).
  void getAxisPoints(vectorC2d<double>& major, vectorC2d<double>& minor);
  // Rot (RAD1, 0) and Rot (0, RAD2).
  void getAxisVectors(vectorC2d<double>& major, vectorC2d<double>& minor);
  // RAD1 / RAD2.
  double getRadiusRatio();
  ellipseFrameS getFrame();

  // Centre and radii times the factor; ANGLE stays.
  int scale(double factor) override;

 protected:
  int putAttribute(const char* key, double value);
};
