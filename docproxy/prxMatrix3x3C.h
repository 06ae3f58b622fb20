// A script's 2D transformation or 3D rotation. The matrix is kept as its columns X, Y, Z,
// each a live 3D vector that scripts read and change in place. Every member reads the
// matrix afresh from the axes.
#pragma once

#include "geom/matrixC3x3.h"
#include "docproxy/prxAggregateVector3dC.h"
#include "docproxy/prxMatrixBaseC.h"
#include "proxy/prxDescribedT.h"

class prxMatrix3x3C : public prxDescribedT<prxMatrix3x3C, prxMatrixBaseC> {
 public:
  static constexpr int axisX = 0, axisY = 1, axisZ = 2;

  // Zero axes: the zero matrix.
  prxMatrix3x3C();
  explicit prxMatrix3x3C(const matrixC3x3<double>& matrix);

  matrixC3x3<double> getMatrix() const;
  void setMatrix(const matrixC3x3<double>& matrix);
  // axisX, axisY or axisZ.
  prxAggregateVector3dC& getAxis(int axis) { return axes[axis]; }

  static const proxyClassC description;

 private:
  prxAggregateVector3dC axes[3];
};
