#include "proxy3d/prxm3dSketchC.h"

#include "proxy3d/sketchMemberRows.h"

const proxyClassC prxm3dSketchC::description = describeOverNodes("class prxm3dSketchC *", sketchMemberRows());
