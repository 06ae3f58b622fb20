#include "proxy/prxmExtAttrListEntryC.h"

namespace {

void getDesc(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(attributeOf<mExtAttrBaseC>(native).getDescription().c_str());
}

void getName(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(attributeOf<mExtAttrBaseC>(native).getName().c_str());
}

void getValueAsString(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(attributeOf<mExtAttrBaseC>(native).getValueAsString().c_str());
}

constexpr proxyMethodHandlerT putDesc = &putAttributeText<mExtAttrBaseC, &mExtAttrBaseC::setDescription>;
constexpr proxyMethodHandlerT putName = &putAttributeText<mExtAttrBaseC, &mExtAttrBaseC::setName>;

constexpr proxyMethodEntryS rows[] = {
    {"Desc", mzInvokePropertyGet, 0, &getDesc},
    {"Desc", mzInvokePropertyPut, 1, putDesc},
    {"Desc", mzInvokeMethod, 1, putDesc},
    {"Name", mzInvokePropertyGet, 0, &getName},
    {"Name", mzInvokePropertyPut, 1, putName},
    {"Name", mzInvokeMethod, 1, putName},
    {"getValueAsString", mzInvokeMethod, 0, &getValueAsString},
    {},
};

}  // namespace

const proxyClassC prxmExtAttrListEntryC::description = describeOverNodes("class prxmExtAttrListEntryC *", rows);
