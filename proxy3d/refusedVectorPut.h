// The 3D vector argument of a put into a stored point or matrix. A value that is no vector
// or not finite refuses the put (proxy/refusedPut.h): the default member's detached copy
// would otherwise take it and report success while nothing stored changed.
#pragma once

#include "geom/vectorC3d.h"

class proxyAutoParaListC;

vectorC3d<double> finiteVector3dOrRefusePut(proxyAutoParaListC& arguments, int index, const char* member);
