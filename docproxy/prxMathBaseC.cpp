#include "docproxy/prxMathBaseC.h"

#include "docproxy/mathProxyHandlers.h"
#include "docproxy/prxMathFactoryC.h"

namespace {

void getFactory(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { returnObject(result, new prxMathFactoryC()); }

constexpr proxyMethodEntryS rows[] = {
    {"Factory", mzInvokePropertyGet, 0, &getFactory},
    {},
};

}  // namespace

const proxyClassC prxMathBaseC::description("class prxMathBaseC *", rows, nullptr);

prxMathBaseC::prxMathBaseC(uint8_t takeReference) : proxyObjectC(description, takeReference) {}
