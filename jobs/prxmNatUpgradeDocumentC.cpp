#include "jobs/prxmNatUpgradeDocumentC.h"

#include "jobs/keyNodeFieldRows.h"
#include "jobs/mNatUpgradeDocumentC.h"
#include "jobs/prxmNatVarTableC.h"
#include "jobs/prxmNatVariantC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

using namespace keyNodeFieldRows;

namespace {

using documentT = mNatUpgradeDocumentC;

constexpr auto rows = rowTable(childRow<prxmStringListC, &documentT::getUsedFiles>("UsedFileSet"),
                               childRow<prxmNatVarTableC, &documentT::getVarTable>("VarTable"),
                               childRow<prxmNatVariantListC, &documentT::getVariants>("VariantList"));

}  // namespace

const proxyClassC prxmNatUpgradeDocumentC::description("class prxmNatUpgradeDocumentC *", rows.data(),
                                                       &prxmNatDocumentBaseRootC::description,
                                                       &makeProxyOverNode<prxmNatUpgradeDocumentC>);
