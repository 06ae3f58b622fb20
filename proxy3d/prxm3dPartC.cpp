#include "proxy3d/prxm3dPartC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxm3dPartC::description = describeOverNodes("class prxm3dPartC *", rows);
