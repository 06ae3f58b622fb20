// The view of one "POINT" node: its children are the numbers x and y.
#pragma once

#include <cstdint>

#include "core/metaObjListValContainerT.h"
#include "core/pointNodeValues.h"

class mObjPoint2dC : public metaObjListValContainerT<double> {
 public:
  static constexpr const char* classKey = "POINT";

  mObjPoint2dC() = default;
  mObjPoint2dC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), metaObjListValContainerT<double>(root, owns) {}
  // Shares or copies the other view's node as metaObjectVirtualDataBaseC's copy with ownMode does.
  mObjPoint2dC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  mObjPoint2dC(const mObjPoint2dC& other) : metaObjectVirtualDataBaseC(other), metaObjListValContainerT<double>(other) {}
  mObjPoint2dC& operator=(const mObjPoint2dC& other) = default;

  vectorC2d<double> getPoint(uint32_t* found = nullptr) const { return readNodePoint2d(node, found); }
  bool setPoint(const vectorC2d<double>& p) { return writeNodePoint2d(node, p); }
};
