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
constexpr proxyMethodEntryS rows[] = {
    {"StartPoint", mzInvokePropertyGet, 0, &getShapePoint<&arcPoint<0>>},
    {"StartPoint", mzInvokePropertyPut, 1, &putShapePoint<self, &arcPoint<0>>},
    {"StartPoint", mzInvokeMethod, 1, &putShapePoint<self, &arcPoint<0>>},
    {"EndPoint", mzInvokePropertyGet, 0, &getShapePoint<&arcPoint<2>>},
    {"EndPoint", mzInvokePropertyPut, 1, &putShapePoint<self, &arcPoint<2>>},
    {"EndPoint", mzInvokeMethod, 1, &putShapePoint<self, &arcPoint<2>>},
    {"MiddlePoint", mzInvokePropertyGet, 0, &middlePoint},
    {"CenterPoint", mzInvokePropertyGet, 0, &getShapePoint<&arcPoint<1>>},
    {"CenterPoint", mzInvokePropertyPut, 1, &putShapePoint<self, &arcPoint<1>>},
    {"CenterPoint", mzInvokeMethod, 1, &putShapePoint<self, &arcPoint<1>>},
    {"Rad", mzInvokePropertyGet, 0, &number<&mBaseArc2dC::getRadius>},
    {"StartAngle", mzInvokePropertyGet, 0, &number<&mBaseArc2dC::getStartAngle>},
    {"EndAngle", mzInvokePropertyGet, 0, &number<&mBaseArc2dC::getEndAngle>},
    {"IsClockwise", mzInvokePropertyGet, 0, &isClockwise},
    {"SegmentAngle", mzInvokePropertyGet, 0, &number<&mBaseArc2dC::getSweepAngle>},
    {},
};

}  // namespace

const proxyClassC prxmArc2dC::description = describeOverNodes("class prxmArc2dC *", rows);
