#include "jobs/exchange/prxmNatDocumentBaseRootC.h"

#include "proxy/fieldRows.h"
#include "jobs/exchange/mNatDocumentRootC.h"

using namespace methodRows;

namespace {

using rootT = mNatDocumentRootC;

constexpr auto rows = rowTable(settableRows<&rootT::getCadIdent, &rootT::setCadIdent>("CadIdent"),
                               settableRows<&rootT::getMIdent, &rootT::setMIdent>("MIdent"),
                               settableRows<&rootT::getCadFormat, &rootT::setCadFormat>("CadFormat"));

}  // namespace

const proxyClassC prxmNatDocumentBaseRootC::description =
    describeOverNodes("class prxmNatDocumentBaseRootC *", rows.data());
