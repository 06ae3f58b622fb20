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
constexpr proxyMethodEntryS rows[] = {
    {"StartPoint", mzInvokePropertyGet, 0, &getShapePoint<&linePoint<0>>},
    {"StartPoint", mzInvokePropertyPut, 1, &putShapePoint<self, &linePoint<0>>},
    {"StartPoint", mzInvokeMethod, 1, &putShapePoint<self, &linePoint<0>>},
    {"EndPoint", mzInvokePropertyGet, 0, &getShapePoint<&linePoint<1>>},
    {"EndPoint", mzInvokePropertyPut, 1, &putShapePoint<self, &linePoint<1>>},
    {"EndPoint", mzInvokeMethod, 1, &putShapePoint<self, &linePoint<1>>},
    {},
};

}  // namespace

const proxyClassC prxmLine2dC::description = describeOverNodes("class prxmLine2dC *", rows);
