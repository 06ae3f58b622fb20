#include "proxy/prxmExtAttrListEntryVarC.h"

#include "core/mExtAttrVarC.h"

namespace {

using attributeT = mExtAttrVarC;

constexpr auto rows = methodRows::rowTable(
    attributeTextRows<attributeT, &attributeT::getValue, &attributeT::setValue>("Value"),
    attributeTextRows<attributeT, &attributeT::getType, &attributeT::setType>("Type"));

}  // namespace

const proxyClassC prxmExtAttrListEntryVarC::description = describeOverNodes("class prxmExtAttrListEntryVarC *", rows);
