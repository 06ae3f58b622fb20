// The view of one "POINT3D" node: its children are the numbers x, y and z.
#pragma once

#include <cstdint>

#include "core/metaObjListValContainerT.h"
#include "core/pointNodeValues.h"

class mObjPoint3dC : public metaObjListValContainerT<double> {
 public:
  static constexpr const char* classKey = "POINT3D";

  using metaObjListValContainerT::metaObjListValContainerT;
  mObjPoint3dC(const mObjPoint3dC& other) = default;
  mObjPoint3dC& operator=(const mObjPoint3dC& other) = default;

  vectorC3d<double> getPoint(uint32_t* found = nullptr) const { return readNodePoint3d(node, found); }
  bool setPoint(const vectorC3d<double>& p) { return writeNodePoint3d(node, p); }
  bool transform(const matrixC4x4<double>& matrix) { return transformNodePoint3d(node, matrix); }
};
