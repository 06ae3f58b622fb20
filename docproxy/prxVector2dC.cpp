#include "docproxy/prxVector2dC.h"

#include "docproxy/mathArgumentConversion.h"
#include "docproxy/mathProxyHandlers.h"

namespace {

const vectorC2d<double>& valueOf(void* native) { return proxyOf<prxVector2dC>(native).getValue(); }

void returnVector(proxyAutoTypeCastC& result, const vectorC2d<double>& value) {
  returnObject(result, new prxVector2dC(0, value));
}

void skalar(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC2d<double> b = argumentToVector2d(arguments, 0);
  const vectorC2d<double>& a = valueOf(native);
  result.setDouble((0.0 + a.x * b.x) + a.y * b.y);
}

void add(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC2d<double> b = argumentToVector2d(arguments, 0);
  const vectorC2d<double>& a = valueOf(native);
  returnVector(result, vectorC2d<double>(a.x + b.x, a.y + b.y));
}

void sub(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC2d<double> b = argumentToVector2d(arguments, 0);
  returnVector(result, valueOf(native) - b);
}

void mul(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double s = numberArgument(arguments, 0);
  vectorC2d<double> product = valueOf(native);
  product *= s;
  returnVector(result, product);
}

using self = prxVector2dC;
constexpr auto rows = methodRows::rowTable(
    methodRows::rowsOf({{"skalar", mzInvokeMethod, 1, &skalar},
                        {"add", mzInvokeMethod, 1, &add},
                        {"sub", mzInvokeMethod, 1, &sub},
                        {"mul", mzInvokeMethod, 1, &mul}}),
    componentRows<self, &vectorC2d<double>::x>("x"), componentRows<self, &vectorC2d<double>::y>("y"));

}  // namespace

const proxyClassC prxVector2dC::description = describe("class prxVector2dC *", rows);

prxVector2dC::prxVector2dC(uint8_t takeReference) : prxVector2dC(takeReference, vectorC2d<double>()) {}

prxVector2dC::prxVector2dC(uint8_t takeReference, const vectorC2d<double>& initialValue)
    : prxDescribedT(takeReference), value(initialValue) {}
