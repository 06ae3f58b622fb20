#include "docproxy/prxVector3dC.h"

#include "docproxy/mathArgumentConversion.h"
#include "docproxy/mathProxyHandlers.h"

namespace {

const vectorC3d<double>& valueOf(void* native) { return proxyOf<prxVector3dC>(native).getValue(); }

void returnVector(proxyAutoTypeCastC& result, const vectorC3d<double>& value) {
  returnObject(result, new prxVector3dC(0, value));
}

void skalar(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC3d<double> b = argumentToVector3d(arguments, 0);
  const vectorC3d<double>& a = valueOf(native);
  result.setDouble(((0.0 + a.x * b.x) + a.y * b.y) + a.z * b.z);
}

void add(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC3d<double> b = argumentToVector3d(arguments, 0);
  const vectorC3d<double>& a = valueOf(native);
  returnVector(result, vectorC3d<double>(a.x + b.x, a.y + b.y, a.z + b.z));
}

void sub(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC3d<double> b = argumentToVector3d(arguments, 0);
  const vectorC3d<double>& a = valueOf(native);
  returnVector(result, vectorC3d<double>(a.x - b.x, a.y - b.y, a.z - b.z));
}

void cross(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC3d<double> b = argumentToVector3d(arguments, 0);
  returnVector(result, valueOf(native).cross(b));
}

void mul(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double s = numberArgument(arguments, 0);
  const vectorC3d<double>& a = valueOf(native);
  returnVector(result, vectorC3d<double>(a.x * s, a.y * s, a.z * s));
}

// Division by 0 is not refused: the components become infinities or NaN.
void divide(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double s = numberArgument(arguments, 0);
  const vectorC3d<double>& a = valueOf(native);
  returnVector(result, vectorC3d<double>(a.x / s, a.y / s, a.z / s));
}

using self = prxVector3dC;
constexpr auto rows = methodRows::rowTable(
    methodRows::rowsOf({{"skalar", mzInvokeMethod, 1, &skalar},
                        {"add", mzInvokeMethod, 1, &add},
                        {"sub", mzInvokeMethod, 1, &sub},
                        {"cross", mzInvokeMethod, 1, &cross}}),
    componentRows<self, &vectorC3d<double>::x>("x"), componentRows<self, &vectorC3d<double>::y>("y"),
    componentRows<self, &vectorC3d<double>::z>("z"),
    methodRows::rowsOf({{"mul", mzInvokeMethod, 1, &mul}, {"div", mzInvokeMethod, 1, &divide}}));

}  // namespace

const proxyClassC prxVector3dC::description = describe("class prxVector3dC *", rows);

prxVector3dC::prxVector3dC(uint8_t takeReference) : prxVector3dC(takeReference, vectorC3d<double>()) {}

prxVector3dC::prxVector3dC(uint8_t takeReference, const vectorC3d<double>& initialValue)
    : prxDescribedT(takeReference), value(initialValue) {}
