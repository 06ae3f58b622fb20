#include "proxy3d/prxm3dAsmAttrC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxm3dAsmAttrC::description = describeOverNodes("class prxm3dAsmAttrC *", rows);
