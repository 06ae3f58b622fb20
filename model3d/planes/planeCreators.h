// New detached planes. Each view owns its node when owns is set; otherwise the caller links
// the node into a tree or frees it.
#pragma once

#include <cstdint>

#include "core/metaObjectVirtualDataBaseC.h"
#include "model3d/planes/m3dAbsPlaneC.h"
#include "model3d/planes/m3dBasicPlaneC.h"
#include "model3d/planes/m3dOffsetPlaneC.h"

// A bare "PLANE" node.
m3dPlaneC createPlaneNode(uint32_t owns);
// The base plane "XY", "ZX" or "YZ" (byte for byte); a bare "PLANE" for any other text.
m3dBasicPlaneC createBasePlane(const char* type, uint32_t owns);
// A plane named name, offset from reference (a "PLANE") by distance along the reference's Z
// axis as stored, against it when side is set; the reference's axes; "PARAM" (side, distance,
// the reference's "NAME"). An empty view for a reference that is no plane, or when the
// distance or the new origin is not finite.
m3dOffsetPlaneC createOffsetPlane(const metaObjectVirtualDataBaseC& reference, const char* name, uint32_t side,
                                  double distance, uint32_t owns);
// An "ABS_PLANE" named name with the frame; an empty view for a frame entry that is not finite.
m3dAbsPlaneC createAbsPlane(const char* name, const matrixC4x4<double>& frame, uint32_t owns);
