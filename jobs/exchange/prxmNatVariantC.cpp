#include "jobs/exchange/prxmNatVariantC.h"

#include "core/metaObjListStrContainerC.h"
#include "proxy/fieldRows.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

using namespace methodRows;

namespace {

using variantT = pShellVariantC;

constexpr auto rows = rowTable(settableRows<&variantT::getVarName, &variantT::setVarName>("VarName"),
                               settableRows<&variantT::getVarValue, &variantT::setVarValue>("VarValue"),
                               childRow<prxmStringListC, &variantT::getWantFiles>("WantFileSet"),
                               childRow<prxmStringListC, &variantT::getBitmaps>("BitmapSet"),
                               childRow<prxmStringListC, &variantT::getAutoCreateBitmapsFromViews>(
                                   "AutoCreateBitmapsFromViews"),
                               settableRows<&variantT::getPreview3D, &variantT::setPreview3D>("Preview3D"));

}  // namespace

const proxyClassC prxmNatVariantC::description = describeOverNodes("class prxmNatVariantC *", rows.data());
