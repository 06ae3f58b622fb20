#include "draw2d/proxies/prxmEllipseArc2dC.h"

#include "draw2d/shapes/mBaseEllipseArc2dC.h"
#include "docproxy/nodeProxyHandlers.h"

namespace {

template <double (mBaseEllipseArc2dC::*value)()>
void number(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  mBaseEllipseArc2dC arc(nodeOfProxy(native), 0);
  result.setDouble((arc.*value)());
}

template <bool end>
void endPoint(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  vectorC2d<double> start;
  vectorC2d<double> finish;
  mBaseEllipseArc2dC(nodeOfProxy(native), 0).getArcEndPoints(start, finish);
  returnVector(result, end ? finish : start);
}

using arc = mBaseEllipseArc2dC;
constexpr proxyMethodEntryS rows[] = {
    {"StartAngle", mzInvokePropertyGet, 0, &number<&arc::getStartAngle>},
    {"EndAngle", mzInvokePropertyGet, 0, &number<&arc::getEndAngle>},
    {"StartPoint", mzInvokePropertyGet, 0, &endPoint<false>},
    {"EndPoint", mzInvokePropertyGet, 0, &endPoint<true>},
    {"SegmentAngle", mzInvokePropertyGet, 0, &number<&arc::getSweepAngle>},
    {},
};

}  // namespace

const proxyClassC prxmEllipseArc2dC::description = describeOverNodes("class prxmEllipseArc2dC *", rows);
