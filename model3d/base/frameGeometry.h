// Tests on frames and directions shared by every 3D operation that keeps a frame.
#pragma once

#include <cstdint>

#include "geom/matrixC4x4.h"
#include "geom/vectorC2d.h"
#include "geom/vectorC3d.h"

// 1 when the frame's axes (columns 0-2) are left-handed: (X × Y) · Z < 0.0. A product of 0.0
// or one that is not a number gives 0.
int isMirroredFrame(const matrixC4x4<double>& frame);
// The frame with its Y axis negated when it is mirrored, so that it is right-handed again.
matrixC4x4<double> rightHandedFrame(const matrixC4x4<double>& frame);
// True when the directions are parallel either way: |1 - |a·b| / (|a| |b|)| <= 1e-10. A
// direction of length 0 (or one that is not finite) is parallel to none.
bool isParallel2d(const vectorC2d<double>& a, const vectorC2d<double>& b);
bool isParallel3d(const vectorC3d<double>& a, const vectorC3d<double>& b);
