#include "proxy3d/prxm3dFeatBaseC.h"

const proxyClassC prxm3dFeatBaseC::description = describeOverNodes("class prxm3dFeatBaseC *", nullptr);
