#include "draw2d/proxies/prxmArc2dC.h"

#include "draw2d/shapes/mBaseArc2dC.h"
#include "draw2d/proxies/shapePointHandlers.h"

namespace {

// The n-th POINT, after appending empty ones as needed.
template <int n>
metaTreeC* arcPoint(metaTreeC* arc) {
  return mBaseArc2dC(arc, 0).pointNode(n);
}

void middlePoint(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnVector(result, mBaseArc2dC(nodeOfProxy(native), 0).getMiddlePoint());
}

template <double (mBaseArc2dC::*value)()>
void number(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  mBaseArc2dC arc(nodeOfProxy(native), 0);
  result.setDouble((arc.*value)());
}

void isClockwise(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(mBaseArc2dC(nodeOfProxy(native), 0).isClockwise());
}

using self = prxmArc2dC;
constexpr auto rows = methodRows::rowTable(
    shapePointRows<self, &arcPoint<0>>("StartPoint"), shapePointRows<self, &arcPoint<2>>("EndPoint"),
    methodRows::rowsOf({{"MiddlePoint", mzInvokePropertyGet, 0, &middlePoint}}),
    shapePointRows<self, &arcPoint<1>>("CenterPoint"),
    methodRows::rowsOf({{"Rad", mzInvokePropertyGet, 0, &number<&mBaseArc2dC::getRadius>},
                        {"StartAngle", mzInvokePropertyGet, 0, &number<&mBaseArc2dC::getStartAngle>},
                        {"EndAngle", mzInvokePropertyGet, 0, &number<&mBaseArc2dC::getEndAngle>},
                        {"IsClockwise", mzInvokePropertyGet, 0, &isClockwise},
                        {"SegmentAngle", mzInvokePropertyGet, 0, &number<&mBaseArc2dC::getSweepAngle>}}));

}  // namespace

const proxyClassC prxmArc2dC::description = describeOverNodes("class prxmArc2dC *", rows);
