#include "draw2d/proxies/prxm2dInsertPointC.h"

#include "draw2d/shapes/mObjPoint2dC.h"
#include "docproxy/nodeProxyHandlers.h"
#include "docproxy/prxm2dPointC.h"

namespace {

void point(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<prxm2dPointC>(result, metaObjectC(nodeOfProxy(native), 0).attributeNode(mObjPoint2dC::classKey));
}

void rotation(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(metaObjectC(nodeOfProxy(native), 0).getDoubleAttribute("ROTATION"));
}

constexpr proxyMethodEntryS rows[] = {
    {"Point", mzInvokePropertyGet, 0, &point},
    {"Rotation", mzInvokePropertyGet, 0, &rotation},
    {},
};

}  // namespace

const proxyClassC prxm2dInsertPointC::description = describeOverNodes("class prxm2dInsertPointC *", rows);
