#include "draw2d/proxies/prxm2dBaseC.h"

#include "draw2d/proxies/prxm2dObjectFactoryC.h"

namespace {

void factory(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, prxm2dObjectFactoryC::create());
}

constexpr proxyMethodEntryS rows[] = {
    {"Factory", mzInvokePropertyGet, 0, &factory},
    {},
};

}  // namespace

const proxyClassC prxm2dBaseC::description = describeOverNodes("class prxm2dBaseC *", rows);
