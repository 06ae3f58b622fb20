#include "model3d/planes/m3dBasicPlaneC.h"

namespace {

void initBasePlane(m3dBasicPlaneC& plane, const char* type, const char* name, const double (&axes)[9]) {
  matrixC4x4<double> frame;
  frame.ident();
  for (int axis = 0; axis < 3; ++axis)
    for (int n = 0; n < 3; ++n) frame.values[4 * axis + n] = axes[3 * axis + n];
  plane.setName(name);
  plane.setType(type);
  plane.setFrame(frame);
}

}  // namespace

void m3dBasicPlaneC::initXY() { initBasePlane(*this, "XY", "Plane XY", {1, 0, 0, 0, 1, 0, 0, 0, 1}); }

void m3dBasicPlaneC::initZX() { initBasePlane(*this, "ZX", "Plane ZX", {1, 0, 0, 0, 0, -1, 0, 1, 0}); }

void m3dBasicPlaneC::initYZ() { initBasePlane(*this, "YZ", "Plane YZ", {0, 0, -1, 0, 1, 0, 1, 0, 0}); }
