#include "draw2d/proxies/prxmEllipseCore2dC.h"

#include "draw2d/shapes/mBaseEllipseCore2dC.h"
#include "docproxy/nodeProxyHandlers.h"

namespace {

mBaseEllipseCore2dC ellipseOf(void* native) { return mBaseEllipseCore2dC(nodeOfProxy(native), 0); }

template <double (mBaseEllipseCore2dC::*value)()>
void number(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  mBaseEllipseCore2dC ellipse = ellipseOf(native);
  result.setDouble((ellipse.*value)());
}

void middlePoint(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnVector(result, ellipseOf(native).getMiddlePoint());
}

// Both pairs are read on every call; major selects the first of the pair.
template <void (mBaseEllipseCore2dC::*pair)(vectorC2d<double>&, vectorC2d<double>&), bool major>
void axisVector(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  mBaseEllipseCore2dC ellipse = ellipseOf(native);
  vectorC2d<double> first;
  vectorC2d<double> second;
  (ellipse.*pair)(first, second);
  returnVector(result, major ? first : second);
}

using core = mBaseEllipseCore2dC;
constexpr proxyMethodEntryS rows[] = {
    {"MiddlePoint", mzInvokePropertyGet, 0, &middlePoint},
    {"MajorRad", mzInvokePropertyGet, 0, &number<&core::getMajorRad>},
    {"MinorRad", mzInvokePropertyGet, 0, &number<&core::getMinorRad>},
    {"MajorAxisAngle", mzInvokePropertyGet, 0, &number<&core::getAngle>},
    {"MajorMinorRatio", mzInvokePropertyGet, 0, &number<&core::getRadiusRatio>},
    {"MajorAxisPoint", mzInvokePropertyGet, 0, &axisVector<&core::getAxisPoints, true>},
    {"MinorAxisPoint", mzInvokePropertyGet, 0, &axisVector<&core::getAxisPoints, false>},
    {"MajorAxisVector", mzInvokePropertyGet, 0, &axisVector<&core::getAxisVectors, true>},
    {"MinorAxisVector", mzInvokePropertyGet, 0, &axisVector<&core::getAxisVectors, false>},
    {},
};

}  // namespace

const proxyClassC prxmEllipseCore2dC::description = describeOverNodes("class prxmEllipseCore2dC *", rows);
