#include "jobs/exchange/prxmNatCheckoutDocumentC.h"

#include "proxy/fieldRows.h"
#include "jobs/exchange/mNatCheckoutDocumentC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

using namespace methodRows;

namespace {

using documentT = mNatCheckoutDocumentC;

constexpr auto rows = rowTable(settableRows<&documentT::getNormIdent, &documentT::setNormIdent>("NormIdent"),
                               settableRows<&documentT::getPrjDir, &documentT::setPrjDir>("PrjDir"),
                               childRow<prxmStringListC, &documentT::getWantFiles>("WantFileSet"));

}  // namespace

const proxyClassC prxmNatCheckoutDocumentC::description =
    describeOverNodes("class prxmNatCheckoutDocumentC *", rows.data());
