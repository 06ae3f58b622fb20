// The bounding rectangle of a drawing's figure list.
#pragma once

#include "geom/vectorC2d.h"

class metaTreeC;

// Over the children of a "DRAWINGITEMS" node, whatever their key words: each child's
// "FIGURITEMS" (created when missing) gives a rectangle (calcShapesBoundRect), and min and max
// take the smaller and the larger of each axis over both of its corners. Without children
// min is (1e10, 1e10) and max (-1e10, -1e10); a figure without shapes, whose rectangle is that
// empty one, so widens them to (-1e10, -1e10) and (1e10, 1e10).
void calcFigureListBoundRect(metaTreeC* drawingItems, vectorC2d<double>& min, vectorC2d<double>& max);
