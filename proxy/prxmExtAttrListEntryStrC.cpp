#include "proxy/prxmExtAttrListEntryStrC.h"

#include "core/mExtAttrStrC.h"

namespace {

void getValue(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(attributeOf<mExtAttrStrC>(native).getValue().c_str());
}

constexpr proxyMethodHandlerT putValue = &putAttributeText<mExtAttrStrC, &mExtAttrStrC::setValue>;

constexpr proxyMethodEntryS rows[] = {
    {"Value", mzInvokePropertyGet, 0, &getValue},
    {"Value", mzInvokePropertyPut, 1, putValue},
    {"Value", mzInvokeMethod, 1, putValue},
    {},
};

}  // namespace

const proxyClassC prxmExtAttrListEntryStrC::description = describeOverNodes("class prxmExtAttrListEntryStrC *", rows);
