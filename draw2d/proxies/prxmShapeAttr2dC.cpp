#include "draw2d/proxies/prxmShapeAttr2dC.h"

#include "docproxy/nodeProxyHandlers.h"

namespace {

constexpr char typeKey[] = "SHAPETYP";
constexpr char widthKey[] = "SHAPEWIDTH";
constexpr char cosmeticKey[] = "COSMETIC";

template <const char* key>
void integer(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(metaObjectC(nodeOfProxy(native), 0).getIntAttribute(key));
}

constexpr proxyMethodEntryS rows[] = {
    {"Type", mzInvokePropertyGet, 0, &integer<typeKey>},
    {"Width", mzInvokePropertyGet, 0, &integer<widthKey>},
    {"Cosmetic", mzInvokePropertyGet, 0, &integer<cosmeticKey>},
    {},
};

}  // namespace

const proxyClassC prxmShapeAttr2dC::description = describeOverNodes("class prxmShapeAttr2dC *", rows);
