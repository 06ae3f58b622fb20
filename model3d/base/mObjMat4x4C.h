// The view of a "MAT" node: a 4x4 matrix stored as 16 numbers column by column (entries 0-2
// the X axis, 4-6 the Y axis, 8-10 the Z axis, 12-14 the translation, 15 the 1).
#pragma once

#include <cstdint>

#include "core/metaObjListContainerC.h"
#include "geom/matrixC4x4.h"

class mObjMat4x4C : public metaObjListContainerC {
 public:
  static constexpr const char* classKey = "MAT";

  mObjMat4x4C() = default;
  mObjMat4x4C(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjListContainerC(root, owns) {}

  // The identity, found 0, when the node does not hold exactly 16 numbers.
  matrixC4x4<double> getMatrix(uint32_t* found = nullptr) const;
  // Replaces the children by the 16 entries; false, and nothing written, without a node or
  // for an entry that is not finite.
  bool setMatrix(const matrixC4x4<double>& matrix);
  // Multiplies the translation (entries 12-14) by the factor and writes all 16 entries; an
  // entry whose product is not finite keeps its value.
  void scaleTranslation(double factor);
};
