// A 3D view that can be scaled and transformed. Its two operations run, on a plain view, the
// body of the class registered for the node's key word in the geometric-operations registry;
// a node that is not a word, a key word without a row, or a class that leaves the slot to
// this body gives 0 and changes nothing.
#pragma once

#include <cstdint>

#include "geom/matrixC4x4.h"
#include "model3d/base/m3dBaseObjC.h"

class m3dGeomOpBaseC : public m3dBaseObjC {
 public:
  m3dGeomOpBaseC() = default;
  m3dGeomOpBaseC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dBaseObjC(root, owns) {}
  m3dGeomOpBaseC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m3dGeomOpBaseC(const m3dGeomOpBaseC& other) = default;
  m3dGeomOpBaseC& operator=(const m3dGeomOpBaseC& other) = default;
  virtual ~m3dGeomOpBaseC() = default;

  // Multiplies positions and lengths by the factor. 1 done, 0 nothing to do; a factor that is
  // not finite gives 0 and changes nothing.
  virtual int scale(double factor);
  // Moves the geometry by the matrix. 1 done, 0 nothing to do; a matrix with an entry that is
  // not finite gives 0 and changes nothing.
  virtual int transform(const matrixC4x4<double>& matrix);

  // The generic operation on every direct child in order, or only on those whose key word is
  // keyword (byte for byte) when one is given. The results are not used.
  void scaleChildren(double factor, const char* keyword = nullptr);
  void transformChildren(const matrixC4x4<double>& matrix, const char* keyword = nullptr);
};
