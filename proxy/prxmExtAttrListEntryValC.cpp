#include "proxy/prxmExtAttrListEntryValC.h"

#include "core/mExtAttrValC.h"

namespace {

// 0 when the value is missing or not a number.
void getValue(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(attributeOf<mExtAttrValC>(native).getValue());
}

void putValue(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  double value = numberArgument(arguments, 0);
  attributeOf<mExtAttrValC>(native).setValue(value);
  returnObject(result, &proxyOf<prxmExtAttrListEntryC>(native));
}

constexpr proxyMethodEntryS rows[] = {
    {"Value", mzInvokePropertyGet, 0, &getValue},
    {"Value", mzInvokePropertyPut, 1, &putValue},
    {"Value", mzInvokeMethod, 1, &putValue},
    {},
};

}  // namespace

const proxyClassC prxmExtAttrListEntryValC::description = describeOverNodes("class prxmExtAttrListEntryValC *", rows);
