#include "docproxy/prxm2dPointC.h"

#include <cmath>

#include "core/pointNodeValues.h"
#include "docproxy/nodeProxyHandlers.h"
#include "proxy/proxyExceptions.h"

namespace {

template <double vectorC2d<double>::*component>
void getComponent(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(readNodePoint2d(nodeOfProxy(native)).*component);
}

// Both numbers are written back, replacing whatever the node held. A number that is not
// finite fails here, with the texts of a value of the wrong type: a cast exception would let
// the call go on to the detached vector of the default member, which would take the number
// and report success while nothing stored changed.
template <double vectorC2d<double>::*component>
void putComponent(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double value = numberArgument(arguments, 0);
  if (!std::isfinite(value)) {
    throw proxyExecuteExceptionC(component == &vectorC2d<double>::x ? "methode:x(Para:1)" : "methode:y(Para:1)",
                                 "Object call failed");
  }
  if (metaTreeC* node = nodeOfProxy(native)) {
    vectorC2d<double> point = readNodePoint2d(node);
    point.*component = value;
    writeNodePoint2d(node, point);
  }
  returnObject(result, &proxyOf<prxm2dPointC>(native));
}

void vector(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnVector(result, readNodePoint2d(nodeOfProxy(native)));
}

constexpr proxyMethodEntryS rows[] = {
    {"x", mzInvokePropertyGet, 0, &getComponent<&vectorC2d<double>::x>},
    {"x", mzInvokePropertyPut, 1, &putComponent<&vectorC2d<double>::x>},
    {"x", mzInvokeMethod, 1, &putComponent<&vectorC2d<double>::x>},
    {"y", mzInvokePropertyGet, 0, &getComponent<&vectorC2d<double>::y>},
    {"y", mzInvokePropertyPut, 1, &putComponent<&vectorC2d<double>::y>},
    {"y", mzInvokeMethod, 1, &putComponent<&vectorC2d<double>::y>},
    {"", mzInvokeMethod, 0, &vector},
    {},
};

}  // namespace

const proxyClassC prxm2dPointC::description = describeOverNodes("class prxm2dPointC *", rows);
