// Arguments of the 2D proxies that end up in the tree: a number, vector or matrix that is not
// finite fails as a value of the wrong type does (the cast exception, naming the argument),
// so that nothing that is not finite is ever stored.
#pragma once

#include "geom/matrixC3x3.h"
#include "geom/vectorC2d.h"

class proxyAutoParaListC;

double finiteNumberArgument(proxyAutoParaListC& arguments, int index);
// A 2D vector proxy, or an object whose default members lead to one (a point of a shape).
vectorC2d<double> finiteVectorArgument(proxyAutoParaListC& arguments, int index);
// A 3x3 matrix proxy, or an object whose default members lead to one.
matrixC3x3<double> finiteMatrixArgument(proxyAutoParaListC& arguments, int index);
