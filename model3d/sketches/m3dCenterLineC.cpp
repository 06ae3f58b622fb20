// A centre line is a shape of the 2D shape registry too, so that shape lists and generic
// shape views measure, scale and move it as a line.
#include "model3d/sketches/m3dCenterLineC.h"

#include "core/keywordRegistrarT.h"
#include "draw2d/drawingRegistries.h"

namespace {

keywordRegistrarT<m3dCenterLineC, mBaseShape2dC> centerLineRegistrar(shape2dRegistry, m3dCenterLineC::classKey, 5);

}  // namespace
