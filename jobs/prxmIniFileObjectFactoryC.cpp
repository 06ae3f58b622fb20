#include "jobs/prxmIniFileObjectFactoryC.h"

#include "proxy/proxyProgIdC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxmIniFileObjectFactoryC::description("class prxmIniFileObjectFactoryC *", rows,
                                                         &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(5, "rudezaze.minifactory", &makeProxyWithoutReference<prxmIniFileObjectFactoryC>);
const proxyProgIdC scriptingProgId(6, "scripting.inifile", &makeProxyWithoutReference<prxmIniFileObjectFactoryC>);

}  // namespace

prxmIniFileObjectFactoryC::prxmIniFileObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmIniFileObjectFactoryC::getNativePointer() { return this; }
