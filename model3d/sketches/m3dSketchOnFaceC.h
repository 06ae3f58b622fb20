// The face a sketch is drawn on ("FACE" in "SKETCHON"): the name of the feature that made the
// face ("NAME"), a point on it ("POINT3D") and its normal ("VEC3D"), each created when missing.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "core/keyNodeField.h"
#include "draw2d/shapes/mObjPoint3dC.h"

class m3dSketchOnFaceC : public metaObjectC {
 public:
  static constexpr const char* classKey = "FACE";

  m3dSketchOnFaceC() = default;
  m3dSketchOnFaceC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}

  mObjPoint3dC getPoint() { return mObjPoint3dC(fieldNode(node, "POINT3D"), 0); }
  mObjPoint3dC getNormal() { return mObjPoint3dC(fieldNode(node, "VEC3D"), 0); }
  str getName() { return getStringField(node, "NAME"); }
};
