// A patch of a mesh part ("MESHPATCH"): its point numbers "MPKNRS" (positions in the part's
// "MESH3DPKS") and normal numbers "MNORNRS" (positions in "MESH3DNORS").
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "geom/vectorC3d.h"

class mMeshPatchC : public metaObjectC {
 public:
  static constexpr const char* classKey = "MESHPATCH";

  mMeshPatchC() = default;
  mMeshPatchC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}

  // The unit normal of the plane through the first three points, turned to the side of the
  // first stored normal; (0, 0, 0) for points that span no plane. Creates nothing.
  vectorC3d<double> getNormal() const;
};
