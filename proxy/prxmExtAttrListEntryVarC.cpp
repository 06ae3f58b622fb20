#include "proxy/prxmExtAttrListEntryVarC.h"

#include "core/mExtAttrVarC.h"

namespace {

void getValue(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(attributeOf<mExtAttrVarC>(native).getValue().c_str());
}

void getType(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(attributeOf<mExtAttrVarC>(native).getType().c_str());
}

constexpr proxyMethodHandlerT putValue = &putAttributeText<mExtAttrVarC, &mExtAttrVarC::setValue>;
constexpr proxyMethodHandlerT putType = &putAttributeText<mExtAttrVarC, &mExtAttrVarC::setType>;

constexpr proxyMethodEntryS rows[] = {
    {"Value", mzInvokePropertyGet, 0, &getValue},
    {"Value", mzInvokePropertyPut, 1, putValue},
    {"Value", mzInvokeMethod, 1, putValue},
    {"Type", mzInvokePropertyGet, 0, &getType},
    {"Type", mzInvokePropertyPut, 1, putType},
    {"Type", mzInvokeMethod, 1, putType},
    {},
};

}  // namespace

const proxyClassC prxmExtAttrListEntryVarC::description = describeOverNodes("class prxmExtAttrListEntryVarC *", rows);
