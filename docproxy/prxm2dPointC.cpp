#include "docproxy/prxm2dPointC.h"

#include "core/pointNodeValues.h"
#include "docproxy/storedPointRows.h"

namespace {

void vector(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnVector(result, readNodePoint2d(nodeOfProxy(native)));
}

constexpr char xName[] = "x";
constexpr char yName[] = "y";

using pointRows = storedPointRowsT<vectorC2d<double>, &readNodePoint2d, &writeNodePoint2d>;

constexpr auto rows = methodRows::rowTable(pointRows::rows<&vectorC2d<double>::x, xName>(),
                                           pointRows::rows<&vectorC2d<double>::y, yName>(),
                                           methodRows::rowsOf({{"", mzInvokeMethod, 0, &vector}}));

}  // namespace

const proxyClassC prxm2dPointC::description = describeOverNodes("class prxm2dPointC *", rows);
