// A mesh document ("MESHPART" or "MESHASM") and its two geometric operations: the change of
// unit base and the transformation by a 4x4 matrix. On a plain mMeshDocC both run the body of
// the class the mesh registry holds for the node's key word; any other node is left as it is.
#pragma once

#include <cstdint>

#include "core/mDocumentC.h"
#include "core/metaObjectC.h"
#include "geom/matrixC4x4.h"

// The base of the mesh views: a view over one node, sharing the one virtual node handle.
class mMesh3dBaseC : public metaObjectC {
 public:
  mMesh3dBaseC() = default;
  mMesh3dBaseC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}
};

class mMeshDocC : public mMesh3dBaseC, public mDocumentC {
 public:
  mMeshDocC() = default;
  mMeshDocC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), mMesh3dBaseC(root, owns), mDocumentC(root, owns) {}
  mMeshDocC(const mMeshDocC& other) = default;
  mMeshDocC& operator=(const mMeshDocC& other) = default;
  virtual ~mMeshDocC() = default;

  // Rescales the document from its stored unit base to newUnitBase; the flag is passed on to
  // the member documents. A unit base that is not positive and finite changes nothing.
  virtual void setUnitBase(double newUnitBase, uint8_t flag);
  // Moves the document's geometry by the matrix.
  virtual void transform(const matrixC4x4<double>& matrix);
};

// The box node's corners "MINPK" and "MAXPK" (found or added) moved by the matrix as points.
void transformMeshSize(metaTreeC* document, const matrixC4x4<double>& matrix);
// The stored unit base of a mesh document's preferences child prefsKey; one missing, 0, below
// 0 or not finite counts as 1. Creates nothing.
double meshUnitBase(const metaTreeC* document, const char* prefsKey);
// diag(s, s, s, 1).
matrixC4x4<double> uniformScaling(double s);
