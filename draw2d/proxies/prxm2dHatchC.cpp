#include "draw2d/proxies/prxm2dHatchC.h"

#include "docproxy/finiteArguments.h"
#include "draw2d/documents/m2dHatchC.h"
#include "docproxy/nodeProxyHandlers.h"

namespace {

template <double (m2dHatchC::*getter)()>
void getNumber(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  m2dHatchC hatch(nodeOfProxy(native), 0);
  result.setDouble((hatch.*getter)());
}

// The value is converted, and refused when not finite, before the tree is touched.
template <int (m2dHatchC::*setter)(double)>
void putNumber(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double value = finiteNumberArgument(arguments, 0);
  m2dHatchC hatch(nodeOfProxy(native), 0);
  (hatch.*setter)(value);
  returnObject(result, &proxyOf<prxm2dHatchC>(native));
}

constexpr proxyMethodEntryS rows[] = {
    {"Angle", mzInvokePropertyGet, 0, &getNumber<&m2dHatchC::getAngle>},
    {"Angle", mzInvokePropertyPut, 1, &putNumber<&m2dHatchC::setAngle>},
    {"Angle", mzInvokeMethod, 1, &putNumber<&m2dHatchC::setAngle>},
    {"Distance", mzInvokePropertyGet, 0, &getNumber<&m2dHatchC::getDistance>},
    {"Distance", mzInvokePropertyPut, 1, &putNumber<&m2dHatchC::setDistance>},
    {"Distance", mzInvokeMethod, 1, &putNumber<&m2dHatchC::setDistance>},
    {},
};

}  // namespace

const proxyClassC prxm2dHatchC::description = describeOverNodes("class prxm2dHatchC *", rows);
