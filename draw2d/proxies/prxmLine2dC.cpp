#include "draw2d/proxies/prxmLine2dC.h"

#include "draw2d/shapes/mBaseLine2dC.h"
#include "draw2d/proxies/shapePointHandlers.h"

namespace {

// The n-th POINT, after appending empty ones as needed.
template <int n>
metaTreeC* linePoint(metaTreeC* line) {
  return mBaseLine2dC(line, 0).pointNode(n);
}

using self = prxmLine2dC;
constexpr auto rows = methodRows::rowTable(shapePointRows<self, &linePoint<0>>("StartPoint"),
                                           shapePointRows<self, &linePoint<1>>("EndPoint"));

}  // namespace

const proxyClassC prxmLine2dC::description = describeOverNodes("class prxmLine2dC *", rows);
