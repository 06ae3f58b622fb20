#include "jobs/exchange/prxmNatDocumentBaseC.h"

#include "proxy/fieldRows.h"
#include "jobs/exchange/mNatDocumentC.h"
#include "jobs/exchange/prxmNatVarValueC.h"
#include "proxy/prxFactoryClassConvention.h"

using namespace methodRows;

namespace {

using documentT = mNatDocumentC;

// An argument that is no object, or an object without a tree, stores nothing and gives 0.
void setUserData(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  metaObjectC value = getMetaObjectFromDispatch(objectArgument(arguments, 0).get());
  result.setInt(int32_t(recordOf<documentT>(native).setUserData(value)));
}

// The USERDATA node itself, as a plain object: its text shows the stored object inside it.
void getUserData(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxMetaObjectBaseC(recordOf<documentT>(native).getUserData()));
}

constexpr proxyMethodEntryS userDataRows[] = {
    {"SetUserData", mzInvokeMethod, 1, &setUserData},
    {"GetUserData", mzInvokeMethod, 0, &getUserData},
};

constexpr auto rows = rowTable(settableRows<&documentT::getDefaultNB, &documentT::setDefaultNB>("DefaultNB"),
                               settableRows<&documentT::getDefaultNN, &documentT::setDefaultNN>("DefaultNN"),
                               settableRows<&documentT::getDefaultNT, &documentT::setDefaultNT>("DefaultNT"),
                               settableRows<&documentT::getDefaultLINA, &documentT::setDefaultLINA>("DefaultLINA"),
                               settableRows<&documentT::getCadIdent, &documentT::setCadIdent>("CadIdent"),
                               settableRows<&documentT::getMIdent, &documentT::setMIdent>("MIdent"),
                               settableRows<&documentT::getCadFormat, &documentT::setCadFormat>("CadFormat"),
                               childRow<prxmNatDocumentListC, &documentT::getMembers>("MemberSet"),
                               childRow<prxmNatVarValueListC, &documentT::getCurrentVarSet>("CurrentVarSet"),
                               rowsOf(userDataRows));

}  // namespace

const proxyClassC prxmNatDocumentBaseC::description = describeOverNodes("class prxmNatDocumentBaseC *", rows.data());
