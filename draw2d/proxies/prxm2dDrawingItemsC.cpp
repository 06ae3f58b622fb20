#include "draw2d/proxies/prxm2dDrawingItemsC.h"

#include "draw2d/documents/figureListBoundRect.h"
#include "docproxy/nodeProxyHandlers.h"

namespace {

template <bool maximum>
void boundRect(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnVector(result, proxyOf<prxm2dDrawingItemsC>(native).getCorner(maximum));
}

constexpr proxyMethodEntryS rows[] = {
    {"BoundRectMax", mzInvokePropertyGet, 0, &boundRect<true>},
    {"BoundRectMin", mzInvokePropertyGet, 0, &boundRect<false>},
    {},
};

}  // namespace

const proxyClassC prxm2dDrawingItemsC::description = describeOverNodes("class prxm2dDrawingItemsC *", rows);

const vectorC2d<double>& prxm2dDrawingItemsC::getCorner(bool maximum) {
  return boundRect.getCorner(maximum, [this](vectorC2d<double>& low, vectorC2d<double>& high) {
    calcFigureListBoundRect(object.getNode(), low, high);
  });
}
