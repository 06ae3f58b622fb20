// Points and matrices stored as number lists under a key word node: "POINT" holds exactly 2
// numbers (x, y), "POINT3D" exactly 3, "MAT" exactly 16 (a 4x4 matrix column by column). A
// child that holds no number reads as 0.0. Readers set found (when given) to 1 only for a node
// with exactly the right number of children, and otherwise give (0, 0), (0, 0, 0) or the
// identity. Writers replace all children of the node by the numbers and store nothing that is
// not finite.
#pragma once

#include <cmath>
#include <cstdint>

#include "geom/matrixC3x3.h"
#include "geom/matrixC4x4.h"
#include "geom/vectorC2d.h"
#include "geom/vectorC3d.h"

class metaTreeC;

vectorC2d<double> readNodePoint2d(const metaTreeC* node, uint32_t* found = nullptr);
vectorC3d<double> readNodePoint3d(const metaTreeC* node, uint32_t* found = nullptr);
matrixC4x4<double> readNodeMatrix4x4(const metaTreeC* node, uint32_t* found = nullptr);

// False, and the node untouched, for a null node or a component that is not finite.
bool writeNodePoint2d(metaTreeC* node, const vectorC2d<double>& p);
bool writeNodePoint3d(metaTreeC* node, const vectorC3d<double>& p);

// The node's 3D point ((0, 0, 0) when it holds none) moved by the matrix and written back.
bool transformNodePoint3d(metaTreeC* node, const matrixC4x4<double>& matrix);
// The node's 2D point ((0, 0) when it holds none) moved by the matrix as (x, y, 1), written back.
bool transformNodePoint2d(metaTreeC* node, const matrixC3x3<double>& matrix);

// True when every number child of the node stays finite multiplied by the factor.
bool nodeValuesScalable(const metaTreeC* node, double factor);
// Multiplies every number child of the node by the factor, in place (each keeps its text
// position); other children stay as they are. When a product would not be finite nothing is
// changed and the result is false.
bool scaleNodeValues(metaTreeC* node, double factor);
