// A connection point ("CONNPOINT" in a part's "CONNECT"): a named frame ("NAME", "MAT") at
// which assemblies attach members to each other. Scaling moves its origin; transforming
// moves the whole frame and keeps it right-handed.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "model3d/base/m3dGeomOpBaseC.h"
#include "model3d/base/mObjMat4x4C.h"

class m3dConnPointC : public m3dGeomOpBaseC {
 public:
  static constexpr const char* classKey = "CONNPOINT";

  m3dConnPointC() = default;
  m3dConnPointC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dGeomOpBaseC(root, owns) {}

  // The translation of "MAT" (created when missing) times the factor; the axes stay.
  int scale(double factor) override;
  // frame := matrix · frame, its Y axis negated when that leaves it mirrored. 0, nothing
  // written, when an entry of the new frame is not finite.
  int transform(const matrixC4x4<double>& matrix) override;

  str getName();
  mObjMat4x4C getMatrix();
  // The identity when "MAT" does not hold 16 numbers.
  matrixC4x4<double> getFrame();
  bool setFrame(const matrixC4x4<double>& frame);
};
