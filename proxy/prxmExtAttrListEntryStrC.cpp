#include "proxy/prxmExtAttrListEntryStrC.h"

#include "core/mExtAttrStrC.h"

namespace {

using attributeT = mExtAttrStrC;

constexpr auto rows = methodRows::rowTable(
    attributeTextRows<attributeT, &attributeT::getValue, &attributeT::setValue>("Value"));

}  // namespace

const proxyClassC prxmExtAttrListEntryStrC::description = describeOverNodes("class prxmExtAttrListEntryStrC *", rows);
