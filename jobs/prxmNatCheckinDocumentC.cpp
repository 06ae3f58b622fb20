#include "jobs/prxmNatCheckinDocumentC.h"

#include "jobs/keyNodeFieldRows.h"
#include "jobs/mNatCheckinDocumentC.h"
#include "jobs/prxmNatVarDescC.h"
#include "jobs/prxmNatVarTableC.h"
#include "jobs/prxmNatVariantC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"

using namespace keyNodeFieldRows;

namespace {

using documentT = mNatCheckinDocumentC;
using stringListT = prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>;

constexpr auto rows = rowTable(
    settableRows<&documentT::getPreview3D, &documentT::setPreview3D>("Preview3D"),
    settableRows<&documentT::getPreview, &documentT::setPreview>("Preview"),
    settableRows<&documentT::getExtension, &documentT::setExtension>("Extension"),
    settableRows<&documentT::getDefTableFile, &documentT::setDefTableFile>("DefTableFile"),
    settableRows<&documentT::getShow3D, &documentT::setShow3D>("Show3D"),
    settableRows<&documentT::getAutoCreatePreviewFromView, &documentT::setAutoCreatePreviewFromView>(
        "AutoCreatePreviewFromView"),
    childRow<prxmNatVarTableC, &documentT::getVarTable>("VarTable"),
    childRow<prxmNatVarDescListC, &documentT::getVarSet>("VarSet"),
    childRow<stringListT, &documentT::getUsedFiles>("UsedFileSet"),
    childRow<stringListT, &documentT::getWantFiles>("WantFileSet"),
    childRow<stringListT, &documentT::getBitmaps>("BitmapSet"),
    childRow<stringListT, &documentT::getViewNames>("ViewNamesSet"),
    childRow<prxmNatVariantListC, &documentT::getVariants>("VariantList"),
    childRow<stringListT, &documentT::getAutoCreateBitmapsFromViews>("AutoCreateBitmapsFromViews"));

}  // namespace

const proxyClassC prxmNatCheckinDocumentC::description("class prxmNatCheckinDocumentC *", rows.data(),
                                                       &prxmNatDocumentBaseC::description,
                                                       &makeProxyOverNode<prxmNatCheckinDocumentC>);
