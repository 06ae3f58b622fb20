// The view of one "POINT" node: its children are the numbers x and y.
#pragma once

#include <cstdint>

#include "core/metaObjListValContainerT.h"
#include "core/pointNodeValues.h"

class mObjPoint2dC : public metaObjListValContainerT<double> {
 public:
  static constexpr const char* classKey = "POINT";

  using metaObjListValContainerT::metaObjListValContainerT;
  mObjPoint2dC(const mObjPoint2dC& other) = default;
  mObjPoint2dC& operator=(const mObjPoint2dC& other) = default;

  vectorC2d<double> getPoint(uint32_t* found = nullptr) const { return readNodePoint2d(node, found); }
  bool setPoint(const vectorC2d<double>& p) { return writeNodePoint2d(node, p); }
};
