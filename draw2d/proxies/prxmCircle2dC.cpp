#include "draw2d/proxies/prxmCircle2dC.h"

#include "draw2d/shapes/mBaseCircle2dC.h"
#include "draw2d/proxies/shapePointHandlers.h"

namespace {

// The first POINT, made when missing.
metaTreeC* centre(metaTreeC* circle) { return mBaseCircle2dC(circle, 0).centreNode(); }

using self = prxmCircle2dC;
using circleT = mBaseCircle2dC;
// The radius is put in front of whatever else RAD held.
constexpr auto rows = methodRows::rowTable(shapePointRows<self, &centre>("MiddlePoint"),
                                           methodRows::settableRows<&circleT::getRadius, &circleT::setRadius>("Rad"));

}  // namespace

const proxyClassC prxmCircle2dC::description = describeOverNodes("class prxmCircle2dC *", rows);
