#include "proxy3d/prxm3dPointC.h"

#include "core/pointNodeValues.h"
#include "docproxy/nodeProxyHandlers.h"
#include "docproxy/prxVector3dC.h"
#include "proxy/fieldRows.h"
#include "proxy/refusedPut.h"

namespace {

template <double vectorC3d<double>::*component>
void getComponent(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(readNodePoint3d(nodeOfProxy(native)).*component);
}

// All three numbers are written back, replacing whatever the node held. A number that is not
// finite refuses the put: the default member's detached vector would take it and report
// success while nothing stored changed.
template <double vectorC3d<double>::*component, const char* member>
void putComponent(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double value = finiteNumberOrRefusePut(arguments, 0, member);
  if (metaTreeC* node = nodeOfProxy(native)) {
    vectorC3d<double> point = readNodePoint3d(node);
    point.*component = value;
    writeNodePoint3d(node, point);
  }
  returnObject(result, &proxyOf<prxm3dPointC>(native));
}

void vector(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxVector3dC(0, readNodePoint3d(nodeOfProxy(native))));
}

constexpr char xName[] = "x";
constexpr char yName[] = "y";
constexpr char zName[] = "z";

template <double vectorC3d<double>::*component, const char* member>
constexpr std::array<proxyMethodEntryS, 3> componentRows() {
  return methodRows::settableRows(member, &getComponent<component>, &putComponent<component, member>);
}

constexpr auto rows = methodRows::rowTable(componentRows<&vectorC3d<double>::x, xName>(),
                                           componentRows<&vectorC3d<double>::y, yName>(),
                                           componentRows<&vectorC3d<double>::z, zName>(),
                                           methodRows::rowsOf({{"", mzInvokeMethod, 0, &vector}}));

}  // namespace

const proxyClassC prxm3dPointC::description = describeOverNodes("class prxm3dPointC *", rows);
