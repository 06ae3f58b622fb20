#include "proxy3d/prxm3dLoopC.h"

const proxyClassC prxm3dLoopC::description = describeOverNodes("class prxm3dLoopC *", nullptr);
