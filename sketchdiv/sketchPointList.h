// Points and lists of points of the division engine: equality within a tolerance, and the
// cleaning and sorting of crossing and end-point lists, which compare with 0.0001.
#pragma once

#include "geom/vectorC2d.h"
#include "sketchdiv/sketchListT.h"

using sketchPointList = sketchListT<vectorC2d<double>>;

// Each coordinate within the tolerance, inclusive.
bool pointsEqual(const vectorC2d<double>& p, const vectorC2d<double>& q, double tolerance);
bool pointsCoincide(const vectorC2d<double>& p, const vectorC2d<double>& q);

// Of each group of coinciding points the one that stood first stays; order is kept.
void removeCoincidentPoints(sketchPointList& points);
// Shell sorts, ascending; equal keys keep their order within one gap pass.
void sortPointsByY(sketchPointList& points);
void sortPointsByX(sketchPointList& points);
// Removes from b every point that coincides with a point of a.
void removeMatchingPoints(const sketchPointList& a, sketchPointList& b);
