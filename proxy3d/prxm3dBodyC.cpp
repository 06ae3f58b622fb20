#include "proxy3d/prxm3dBodyC.h"

const proxyClassC prxm3dBodyC::description = describeOverNodes("class prxm3dBodyC *", nullptr);
