#include "proxy3d/prxm3dPointC.h"

#include "core/pointNodeValues.h"
#include "docproxy/prxVector3dC.h"
#include "docproxy/storedPointRows.h"

namespace {

void vector(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxVector3dC(0, readNodePoint3d(nodeOfProxy(native))));
}

constexpr char xName[] = "x";
constexpr char yName[] = "y";
constexpr char zName[] = "z";

using pointRows = storedPointRowsT<vectorC3d<double>, &readNodePoint3d, &writeNodePoint3d>;

constexpr auto rows = methodRows::rowTable(pointRows::rows<&vectorC3d<double>::x, xName>(),
                                           pointRows::rows<&vectorC3d<double>::y, yName>(),
                                           pointRows::rows<&vectorC3d<double>::z, zName>(),
                                           methodRows::rowsOf({{"", mzInvokeMethod, 0, &vector}}));

}  // namespace

const proxyClassC prxm3dPointC::description = describeOverNodes("class prxm3dPointC *", rows);
