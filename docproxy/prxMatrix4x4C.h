// A script's placement in 3D space. The matrix is kept as its axes X, Y, Z and the
// translation T, each a live 3D vector (the first three entries of one column) that
// scripts read and change in place; the fourth row is always (0, 0, 0, 1) and not stored.
// Every member reads the matrix afresh from the axes.
#pragma once

#include "geom/matrixC4x4.h"
#include "docproxy/prxAggregateVector3dC.h"
#include "docproxy/prxMatrixBaseC.h"
#include "proxy/prxDescribedT.h"

class prxMatrix4x4C : public prxDescribedT<prxMatrix4x4C, prxMatrixBaseC> {
 public:
  static constexpr int axisX = 0, axisY = 1, axisZ = 2, axisT = 3;

  // Zero axes: the zero matrix but for the fourth row, not the identity.
  prxMatrix4x4C();
  explicit prxMatrix4x4C(const matrixC4x4<double>& matrix);

  matrixC4x4<double> getMatrix() const;
  // The first three rows go into the axes; the fourth row is dropped.
  void setMatrix(const matrixC4x4<double>& matrix);
  // axisX, axisY, axisZ or axisT.
  prxAggregateVector3dC& getAxis(int axis) { return axes[axis]; }

  static const proxyClassC description;

 private:
  prxAggregateVector3dC axes[4];
};
