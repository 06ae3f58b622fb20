#include "proxy3d/prxm3dCosSketchC.h"

const proxyClassC prxm3dCosSketchC::description = describeOverNodes("class prxm3dCosSketchC *", nullptr);
