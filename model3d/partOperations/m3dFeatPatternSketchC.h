// The sketch of a feature pattern ("FPSKETCH"): a sketch-like node whose "FPSKETCHPOINTS"
// children hold the instance points (x, y) in the sketch's coordinates, in instance order, and
// whose optional "FPSKETCHROTCP" is the centre the instances turn about.
#pragma once

#include <cstdint>

#include "model3d/sketches/m3dSketchBaseC.h"

class m3dFeatPatternSketchC : public m3dSketchBaseC {
 public:
  static constexpr const char* classKey = "FPSKETCH";

  m3dFeatPatternSketchC() = default;
  m3dFeatPatternSketchC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dSketchBaseC(root, owns) {}

  // The sketch-like scale, then every instance point and the turning centre. 1; 0, nothing
  // changed, for an empty view or a factor that is not finite.
  int scale(double factor) override;
  // The sketch-like transform and a face placement moved along; when the new frame came out
  // mirrored, the instance points and the turning centre are mirrored too (y := -y), so every
  // instance keeps its place. 1; 0 as the sketch-like transform.
  int transform(const matrixC4x4<double>& matrix) override;
};
