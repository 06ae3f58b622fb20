// A work plane ("PLANE" in a part's "ITEMS"): a frame ("MAT", its Z axis the normal), a type
// ("TYP": "XY", "ZX", "YZ", "OFF_TO_PLANE", "ROT_TO_PLANE", "ABS_PLANE") and the type's
// parameters ("PARAM"). A transformed plane becomes absolute: its frame alone places it.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "model3d/base/mObjMat4x4C.h"
#include "model3d/features/m3dFeatGenC.h"

class m3dPlaneC : public m3dFeatGenC {
 public:
  static constexpr const char* classKey = "PLANE";

  m3dPlaneC() = default;
  m3dPlaneC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dFeatGenC(root, owns) {}
  m3dPlaneC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}

  // The translation of an existing "MAT" times the factor (an entry whose product is not
  // finite keeps its value); an offset plane's distance too, when its parameters read and the
  // product is finite. 1; 0 for an empty view or a factor that is not finite.
  int scale(double factor) override;
  // frame := matrix · frame, its Y axis negated when that leaves it mirrored, and the type
  // "ABS_PLANE"; "PARAM" stays. 0, nothing changing, when an entry of the new frame is not
  // finite.
  int transform(const matrixC4x4<double>& matrix) override;
  // An offset plane appends its reference plane's name, a rotated plane too ("" when its
  // parameters stop before the name); other planes append nothing. 1.
  int getReferencedNames(nameListC& names) override;

  mObjMat4x4C getMatrix();
  matrixC4x4<double> getFrame();
  bool setFrame(const matrixC4x4<double>& frame);
  str getType();
  // Only a text that can be a key word is written; false otherwise.
  bool setType(const char* type);
  // Whether "TYP" holds the word, byte for byte; these create nothing.
  bool hasType(const char* type) const;
  bool isOffset() const { return hasType("OFF_TO_PLANE"); }
  bool isRotation() const { return hasType("ROT_TO_PLANE"); }
  bool isAbsolute() const { return hasType("ABS_PLANE"); }
  // The "PARAM" list, created when missing.
  metaObjListValContainerT<double> getParamList() { return getParam(); }
  // Type "OFF_TO_PLANE" and the three parameters; the frame stays. False, nothing changing,
  // for an empty view or a distance that is not finite.
  bool setOffsetPlane(uint32_t side, double distance, const char* referenceName);
};
