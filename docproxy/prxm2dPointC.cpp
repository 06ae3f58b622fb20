#include "docproxy/prxm2dPointC.h"

#include "core/pointNodeValues.h"
#include "docproxy/nodeProxyHandlers.h"
#include "proxy/fieldRows.h"
#include "proxy/refusedPut.h"

namespace {

template <double vectorC2d<double>::*component>
void getComponent(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(readNodePoint2d(nodeOfProxy(native)).*component);
}

// Both numbers are written back, replacing whatever the node held. A number that is not
// finite refuses the put: the default member's detached vector would take it and report
// success while nothing stored changed.
template <double vectorC2d<double>::*component, const char* member>
void putComponent(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double value = finiteNumberOrRefusePut(arguments, 0, member);
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

constexpr char xName[] = "x";
constexpr char yName[] = "y";

template <double vectorC2d<double>::*component, const char* member>
constexpr std::array<proxyMethodEntryS, 3> componentRows() {
  return methodRows::settableRows(member, &getComponent<component>, &putComponent<component, member>);
}

constexpr auto rows = methodRows::rowTable(componentRows<&vectorC2d<double>::x, xName>(),
                                           componentRows<&vectorC2d<double>::y, yName>(),
                                           methodRows::rowsOf({{"", mzInvokeMethod, 0, &vector}}));

}  // namespace

const proxyClassC prxm2dPointC::description = describeOverNodes("class prxm2dPointC *", rows);
