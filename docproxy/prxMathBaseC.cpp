#include "docproxy/prxMathBaseC.h"

#include "docproxy/mathProxyHandlers.h"
#include "docproxy/prxMathFactoryC.h"
#include "proxy/factoryRows.h"

namespace {

constexpr auto rows = methodRows::rowTable(methodRows::factoryRow<prxMathFactoryC>());

}  // namespace

const proxyClassC prxMathBaseC::description("class prxMathBaseC *", rows, nullptr);

prxMathBaseC::prxMathBaseC(uint8_t takeReference) : proxyObjectC(description, takeReference) {}
