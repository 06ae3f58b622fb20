#include "proxy3d/prxm3dBasePlaneC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {"BaseName", mzInvokeMethod, 0, &prxm3dPlaneC::baseName},
    {},
};

}  // namespace

const proxyClassC prxm3dBasePlaneC::description = describeOverNodes("class prxm3dBasePlaneC *", rows);
