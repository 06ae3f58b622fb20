#include "proxy3d/prxm3dObjectFactoryC.h"

#include "proxy/proxyProgIdC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxm3dObjectFactoryC::description = describe("class prxm3dObjectFactoryC *", rows);

namespace {

const proxyProgIdC progId(1, "rudezaze.m3dfactory", &makeProxyWithoutReference<prxm3dObjectFactoryC>);

}  // namespace

