// A cosmetic sketch ("COSSKETCH" in a part's "COSDRAW"): lines that mark a thread on the
// feature built from the sketch it belongs to, which it names: "NAME" is that sketch's name
// followed by "_COSMETIC". Its shapes are the list "COSSHAPES"; it has a frame and a centre
// line (the thread axis) like every sketch-like node.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "model3d/sketches/m3dLoopC.h"
#include "model3d/sketches/m3dSketchBaseC.h"
#include "model3d/threads/cosThreadDataC.h"

class m3dCosmeticDrawsC;
class m3dPartC;

class m3dCosSketchC : public m3dSketchBaseC {
 public:
  static constexpr const char* classKey = "COSSKETCH";

  m3dCosSketchC() = default;
  m3dCosSketchC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dSketchBaseC(root, owns) {}
  m3dCosSketchC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m3dCosSketchC(const m3dCosSketchC& other) : metaObjectVirtualDataBaseC(other, 0), m3dSketchBaseC(other) {}
  m3dCosSketchC& operator=(const m3dCosSketchC& other) = default;

  // The sketch-like scale, then the shapes of "COSSHAPES". 1; 0 as the sketch-like scale.
  int scale(double factor) override;
  // The sketch-like transform, and the shapes of "COSSHAPES" mirrored when the new frame came
  // out mirrored; the placement is not moved. 1; 0 as the sketch-like transform.
  int transform(const matrixC4x4<double>& matrix) override;

  str getName();
  m3dLoopC getShapes() { return m3dLoopC(findOrCreateChildByKeyword("COSSHAPES"), 0); }
  m3dCosmeticDrawsC getCosmeticDraws();
  m3dPartC getPart();

  // The thread records of the sketch this one belongs to, in order; none unless there are a
  // centre line and "COSSHAPES", the name holds "_COSMETIC" and the text before its first
  // occurrence names a "SKETCH" of the part's features.
  cosThreadListC computeThreads();
};

// The form of a cosmetic sketch the part hands out when it gathers cosmetic sketches.
class m3dCosSketchRetC : public m3dCosSketchC {
 public:
  m3dCosSketchRetC() = default;
  m3dCosSketchRetC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dCosSketchC(root, owns) {}
  m3dCosSketchRetC(const m3dCosSketchRetC& other) : metaObjectVirtualDataBaseC(other, 0), m3dCosSketchC(other) {}
  m3dCosSketchRetC& operator=(const m3dCosSketchRetC& other) = default;
};
