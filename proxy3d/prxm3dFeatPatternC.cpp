#include "proxy3d/prxm3dFeatPatternC.h"

#include "proxy3d/sketchMemberRows.h"

const proxyClassC prxm3dFeatPatternC::description =
    describeOverNodes("class prxm3dFeatPatternC *", sketchMemberRows());
