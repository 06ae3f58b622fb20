// What sketch-like nodes share (sketches, cosmetic sketches, pattern sketches): the frame
// ("MAT", 16 numbers column by column; sketch point (x, y) lies at MAT·(x, y, 0, 1)), the
// centre line ("CENTER") and the placement ("SKETCHON"). The frame is kept right-handed: a
// mirroring transform flips the Y axis back and mirrors the sketch's 2D geometry instead.
#pragma once

#include <cstdint>

#include "geom/matrixC3x3.h"
#include "model3d/base/m3dGeomOpBaseC.h"
#include "model3d/base/mObjMat4x4C.h"
#include "model3d/sketches/m3dCenterLineC.h"
#include "model3d/sketches/m3dSketchOnC.h"

class m3dSketchBaseC : public m3dGeomOpBaseC {
 public:
  m3dSketchBaseC() = default;
  m3dSketchBaseC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dGeomOpBaseC(root, owns) {}
  m3dSketchBaseC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m3dSketchBaseC(const m3dSketchBaseC& other) : metaObjectVirtualDataBaseC(other, 0), m3dGeomOpBaseC(other, 0) {}
  m3dSketchBaseC& operator=(const m3dSketchBaseC& other) = default;

  // The frame's translation and the centre line times the factor, then the placement's scale
  // (which creates an empty "SKETCHON" when missing). 1; 0, nothing changed, for an empty view
  // or a factor that is not finite.
  int scale(double factor) override;
  // frame := matrix · frame; a mirrored result has its Y axis negated and the centre line
  // mirrored (y := -y). 1; 0, nothing changed, for an empty view or a new frame with an entry
  // that is not finite.
  int transform(const matrixC4x4<double>& matrix) override;

  mObjMat4x4C getMatrix() { return mObjMat4x4C(findOrCreateChildByKeyword(mObjMat4x4C::classKey), 0); }
  // The frame; the identity when "MAT" is missing or does not hold 16 numbers.
  matrixC4x4<double> getMatrixValues() const;
  m3dSketchOnC getSketchOn() { return m3dSketchOnC(findOrCreateChildByKeyword(m3dSketchOnC::classKey), 0); }
  bool hasCenterLine() const { return findChild(m3dCenterLineC::classKey) != nullptr; }
  m3dCenterLineC getCenterLine() { return m3dCenterLineC(findOrCreateChildByKeyword(m3dCenterLineC::classKey), 0); }

 protected:
  // The new frame a transform by matrix gives, before it is made right-handed; false when an
  // entry is not finite.
  bool transformedFrame(const matrixC4x4<double>& matrix, matrixC4x4<double>& frame) const;
};

// diag(1, -1, 1): a 2D point's y negated.
matrixC3x3<double> sketchMirror();
