#include "jobs/prxmNatVariantC.h"

#include "core/metaObjListStrContainerC.h"
#include "jobs/keyNodeFieldRows.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"

using namespace keyNodeFieldRows;

namespace {

using variantT = pShellVariantC;
using stringListT = prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>;

constexpr auto rows = rowTable(settableRows<&variantT::getVarName, &variantT::setVarName>("VarName"),
                               settableRows<&variantT::getVarValue, &variantT::setVarValue>("VarValue"),
                               childRow<stringListT, &variantT::getWantFiles>("WantFileSet"),
                               childRow<stringListT, &variantT::getBitmaps>("BitmapSet"),
                               childRow<stringListT, &variantT::getAutoCreateBitmapsFromViews>(
                                   "AutoCreateBitmapsFromViews"),
                               settableRows<&variantT::getPreview3D, &variantT::setPreview3D>("Preview3D"));

}  // namespace

const proxyClassC prxmNatVariantC::description("class prxmNatVariantC *", rows.data(), &prxmNatBaseC::description,
                                               &makeProxyOverNode<prxmNatVariantC>);
