#include "jobs/exchange/prxmNatCheckinDocumentC.h"

#include "proxy/fieldRows.h"
#include "jobs/exchange/mNatCheckinDocumentC.h"
#include "jobs/exchange/prxmNatVarDescC.h"
#include "jobs/exchange/prxmNatVarTableC.h"
#include "jobs/exchange/prxmNatVariantC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

using namespace methodRows;

namespace {

using documentT = mNatCheckinDocumentC;

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
    childRow<prxmStringListC, &documentT::getUsedFiles>("UsedFileSet"),
    childRow<prxmStringListC, &documentT::getWantFiles>("WantFileSet"),
    childRow<prxmStringListC, &documentT::getBitmaps>("BitmapSet"),
    childRow<prxmStringListC, &documentT::getViewNames>("ViewNamesSet"),
    childRow<prxmNatVariantListC, &documentT::getVariants>("VariantList"),
    childRow<prxmStringListC, &documentT::getAutoCreateBitmapsFromViews>("AutoCreateBitmapsFromViews"));

}  // namespace

const proxyClassC prxmNatCheckinDocumentC::description =
    describeOverNodes("class prxmNatCheckinDocumentC *", rows.data());
