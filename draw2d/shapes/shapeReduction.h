// Fitting lines, arcs and full circles to a run of points, the conversion of every 2D shape.
// Points are classified by a fitting tolerance e: four or more points from a start that lie on
// one circle (radius tolerance e) become an arc, or a circle when the run comes back to its
// start; points that continue a line in the same direction (cosine above 1 - e / 100) are
// absorbed into it. The classification holds a code per kept point: 0 a line from the point to
// the next, 1 an arc from the point through the next to the one after, 2 a circle through
// the point and the next two.
#pragma once

#include "draw2d/shapes/point2dArrayC.h"
#include "geom/vectorC2d.h"

class mShapeList2dC;

// True when p3 lies within tolerance of the circle through p0, p1 and p2; false when those
// three are collinear (or two of them equal).
bool isOnCircleOf3(const vectorC2d<double>& p0, const vectorC2d<double>& p1, const vectorC2d<double>& p2,
                   const vectorC2d<double>& p3, double tolerance);

// Fills codes (emptied first) and removes the points that lines and arcs absorb. Linear in the
// number of points.
void classifyPointRuns(point2dArrayC& points, intArrayC& codes, double tolerance);

// Classifies points and appends a new "LINE", "ARC" or "CIRCLE" per run at the end of out, in
// order; returns how many. Points that are not finite are dropped first. Nothing is made for
// an out without a node.
int reducePointsToPrimitives(point2dArrayC& points, double tolerance, mShapeList2dC& out);
