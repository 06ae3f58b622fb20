#include "draw2d/proxies/prxmICrv2dC.h"

#include "draw2d/shapes/metaObjListPoint2dContainerC.h"
#include "docproxy/nodeProxyHandlers.h"

namespace {

void countPoints(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(int32_t(metaObjListPoint2dContainerC(nodeOfProxy(native), 0).getCount()));
}

// (index among the POINT children): a point object, over no node when there is no such point,
// which reads (0, 0) and ignores puts.
void getPoint(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const int index = intArgument(arguments, 0);
  metaObjListPoint2dContainerC points(nodeOfProxy(native), 0);
  returnProxyOver<prxm2dPointC>(result, index < 0 ? nullptr : points.getItemNode(index));
}

void points(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<prxm2dPointListC>(result, nodeOfProxy(native));
}

constexpr proxyMethodEntryS rows[] = {
    {"countPoints", mzInvokeMethod, 0, &countPoints},
    {"getPoint", mzInvokeMethod, 1, &getPoint},
    {"points", mzInvokePropertyGet, 0, &points},
    {},
};

}  // namespace

const proxyClassC prxmICrv2dC::description = describeOverNodes("class prxmICrv2dC *", rows);
