// The base of the 2D shape views (lines, arcs, circles, ellipses, curves, points, texts, and
// the lines, arcs and circles of 3D sketches): a view over one shape node whose key word says
// what the shape is and whose children hold its geometry. It declares the nine geometric
// operations every shape offers. A class that leaves an operation alone inherits a body that
// dispatches by key word (core/prototypeBinding.h) to the class registered for the node's key
// word in the 2D shape registry, so a plain mBaseShape2dC over any shape node behaves as that
// shape. A registered class that keeps the general body ends at its own prototype and gives
// the neutral result: 0.0, nothing written, 0 (scale: 1).
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "draw2d/shapes/point2dArrayC.h"
#include "geom/matrixC3x3.h"
#include "geom/vectorC2d.h"

class mShapeList2dC;

class mBaseShape2dC : public metaObjectC {
 public:
  using metaObjectC::metaObjectC;
  mBaseShape2dC(const mBaseShape2dC& other) = default;
  mBaseShape2dC& operator=(const mBaseShape2dC& other) = default;
  virtual ~mBaseShape2dC() = default;

  // The length of the shape's path.
  virtual double getLength();
  // Four corners, in order around a rectangle that holds the shape (1 and 3 opposite).
  virtual void getBoundingCorners(vectorC2d<double>& corner1, vectorC2d<double>& corner2, vectorC2d<double>& corner3,
                                  vectorC2d<double>& corner4);
  // Maps the stored points through the matrix, a point (x, y) taken as (x, y, 1): 1. Radii
  // stay. A result that would not be finite changes nothing: 0.
  virtual int transform(const matrixC3x3<double>& matrix);
  // Empties points, then appends the shape's points along its path; returns their number.
  // step is in radians of angle (arcs, circles) or of parameter (ellipses): 0.0 means 5
  // degrees, a negative step counts by its size, and a span of more than 1,000,000 steps is
  // sampled in 1,000,000.
  virtual int appendPoints(point2dArrayC& points, double step);
  // Multiplies every stored coordinate and length by the factor: 1 (0 when a result would not
  // be finite, and nothing changed).
  virtual int scale(double factor);
  // Samples the shape with step and appends the lines, arcs and circles that fit the samples
  // within tolerance at the end of out; returns how many.
  virtual int toIntCurve(double step, double tolerance, mShapeList2dC& out);
  virtual int getEndPoints(vectorC2d<double>& start, vectorC2d<double>& end);
  virtual int setEndPoints(const vectorC2d<double>& start, const vectorC2d<double>& end);
  // Reverses the direction of the path: 1.
  virtual int reverse();

  // Appends a new "POINT" child holding x and y; null, and nothing appended, without a node or
  // for a value that is not finite.
  metaTreeC* appendPoint2d(double x, double y);
};
