// Vector and matrix arguments of the proxies that end up in the tree: one that is not finite
// fails as a value of the wrong type does (the cast exception, naming the argument), as a
// number does (proxy/finiteNumberArgument.h), so that nothing that is not finite is ever
// stored.
#pragma once

#include "geom/matrixC3x3.h"
#include "geom/matrixC4x4.h"
#include "geom/vectorC2d.h"
#include "geom/vectorC3d.h"
#include "proxy/finiteNumberArgument.h"

// A 2D vector proxy, or an object whose default members lead to one (a point of a shape).
vectorC2d<double> finiteVectorArgument(proxyAutoParaListC& arguments, int index);
// A 3x3 matrix proxy, or an object whose default members lead to one.
matrixC3x3<double> finiteMatrixArgument(proxyAutoParaListC& arguments, int index);
// A 3D vector proxy, or an object whose default members lead to one.
vectorC3d<double> finiteVector3dArgument(proxyAutoParaListC& arguments, int index);
// A 4x4 matrix proxy, or an object whose default members lead to one.
matrixC4x4<double> finiteMatrix4x4Argument(proxyAutoParaListC& arguments, int index);
