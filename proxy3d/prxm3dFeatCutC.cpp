#include "proxy3d/prxm3dFeatCutC.h"

const proxyClassC prxm3dFeatCutC::description = describeOverNodes("class prxm3dFeatCutC *", nullptr);
