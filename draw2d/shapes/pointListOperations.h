// Operations on all direct children of a point-list node, whatever their key word, each child
// taken as a point. Transforms and scales change nothing when a result would not be finite.
#pragma once

#include <cstdint>

#include "draw2d/shapes/point2dArrayC.h"
#include "geom/matrixC3x3.h"
#include "geom/matrixC4x4.h"
#include "geom/vectorC3d.h"

class metaTreeC;

using point3dArrayC = pageMemT<vectorC3d<double>, 3>;

// Each child's 2D point, in order ((0, 0) for a child that holds none).
point2dArrayC pointListGatherPoints2d(const metaTreeC* list);
// The same into points, whose content it replaces.
void pointListReadPoints2d(const metaTreeC* list, point2dArrayC& points);
// Each child's 2D point := matrix · (x, y, 1), written back as two numbers.
bool pointListTransform2d(metaTreeC* list, const matrixC3x3<double>& matrix);
// Every number of every child times the factor.
bool pointListScale2d(metaTreeC* list, double factor);

point3dArrayC pointListGatherPoints3d(const metaTreeC* list);
bool pointListScale3d(metaTreeC* list, double factor);
// Each child's 3D point := matrix · (x, y, z, 1).
bool pointListTransform3d(metaTreeC* list, const matrixC4x4<double>& matrix);
// A new "POINT3D" child per point, in order, after the existing children. Nothing is appended
// when a coordinate is not finite.
bool pointListAppendPoints3d(metaTreeC* list, const point3dArrayC& points);
// The same from count points given as x, y, z triples.
bool pointListAppendPoints3dRaw(metaTreeC* list, const double* values, uint32_t count);

// 1 when the node has at least two "POINT" children and the first and the last agree within
// 1e-8 in x and in y.
uint32_t pointListIsClosed(const metaTreeC* list);
// The same for "POINT3D" children, within 1e-8 in x, y and z.
uint32_t isPointList3dClosed(const metaTreeC* list);
