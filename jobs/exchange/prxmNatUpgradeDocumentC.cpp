#include "jobs/exchange/prxmNatUpgradeDocumentC.h"

#include "proxy/fieldRows.h"
#include "jobs/exchange/mNatUpgradeDocumentC.h"
#include "jobs/exchange/prxmNatVarTableC.h"
#include "jobs/exchange/prxmNatVariantC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

using namespace methodRows;

namespace {

using documentT = mNatUpgradeDocumentC;

constexpr auto rows = rowTable(childRow<prxmStringListC, &documentT::getUsedFiles>("UsedFileSet"),
                               childRow<prxmNatVarTableC, &documentT::getVarTable>("VarTable"),
                               childRow<prxmNatVariantListC, &documentT::getVariants>("VariantList"));

}  // namespace

const proxyClassC prxmNatUpgradeDocumentC::description =
    describeOverNodes("class prxmNatUpgradeDocumentC *", rows.data());
