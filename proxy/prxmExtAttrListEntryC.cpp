#include "proxy/prxmExtAttrListEntryC.h"

namespace {

using attributeT = mExtAttrBaseC;

constexpr auto rows = methodRows::rowTable(
    attributeTextRows<attributeT, &attributeT::getDescription, &attributeT::setDescription>("Desc"),
    attributeTextRows<attributeT, &attributeT::getName, &attributeT::setName>("Name"),
    methodRows::rowsOf(
        {{"getValueAsString", mzInvokeMethod, 0, &getAttributeText<attributeT, &attributeT::getValueAsString>}}));

}  // namespace

const proxyClassC prxmExtAttrListEntryC::description = describeOverNodes("class prxmExtAttrListEntryC *", rows);
