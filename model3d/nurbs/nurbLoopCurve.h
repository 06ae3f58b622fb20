// One closed NURBS curve from a sketch loop: the loop's lines, arcs and circles in order, in the
// sketch's own plane (x, y, 0), joined end to start.
#pragma once

#include "core/metaTreeC.h"
#include "model3d/nurbs/nurbCurveC.h"

// Lines are degree 1 when the loop holds nothing else, degree 2 beside arcs. A join that fails
// (ends more than 1e-8 apart, or a shape other than a line, arc or circle) leaves the curve
// empty. The result is marked periodic whatever it holds.
nurbCurveC nurbCurveFromLoop(metaTreeC* loop);
