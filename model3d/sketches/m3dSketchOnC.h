// What a sketch is drawn on ("SKETCHON"): a plane feature by name ("PLANE") or a face
// ("FACE"). A plane placement follows the plane itself; a face placement is moved with the
// sketch.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "geom/vectorC3d.h"
#include "model3d/base/m3dGeomOpBaseC.h"
#include "model3d/sketches/m3dSketchOnFaceC.h"

class m3dSketchOnC : public m3dGeomOpBaseC {
 public:
  static constexpr const char* classKey = "SKETCHON";

  m3dSketchOnC() = default;
  m3dSketchOnC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dGeomOpBaseC(root, owns) {}
  m3dSketchOnC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}

  // With a face: its point times the factor (the normal stays). 1; 0 for an empty view or a
  // factor that is not finite.
  int scale(double factor) override;
  // With a face: its point moved by the matrix, its normal by the matrix's linear part (neither
  // normalised nor flipped). 1; 0 for an empty view or a matrix with an entry not finite.
  int transform(const matrixC4x4<double>& matrix) override;

  m3dSketchOnFaceC getFace() { return m3dSketchOnFaceC(findOrCreateChildByKeyword(m3dSketchOnFaceC::classKey), 0); }
  bool isOnPlane() const { return findChild("PLANE") != nullptr; }
  bool isOnFace() const { return findChild(m3dSketchOnFaceC::classKey) != nullptr; }
  // The string of "PLANE"; "" without one.
  str getOnPlaneName() const;
  // Deletes a "FACE", then names the plane; nothing for an empty view.
  void setOnPlane(const char* name);
  // The face's point or normal; (0, 0, 0) without a face or when it holds no three numbers.
  vectorC3d<double> getOnFacePoint();
  vectorC3d<double> getOnFaceNormal();
};
