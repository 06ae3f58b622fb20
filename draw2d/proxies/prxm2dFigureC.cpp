#include "draw2d/proxies/prxm2dFigureC.h"

#include "docproxy/prxmDocumentAttrC.h"
#include "docproxy/prxmDocumentPrefsC.h"
#include "draw2d/documents/m2dFigureC.h"
#include "draw2d/proxies/prxm2dFigureItemsC.h"
#include "docproxy/nodeProxyHandlers.h"
#include "draw2d/proxies/prxm2dHatchListC.h"
#include "draw2d/proxies/prxm2dInsertPointC.h"

namespace {

constexpr char itemsKey[] = "FIGURITEMS";
constexpr char insertPointKey[] = "INSERTPOINT";
constexpr char hatchesKey[] = "M2DHATCHES";
constexpr char prefsKey[] = "FIGUREPREFS";
constexpr char attributesKey[] = "FGRATTR";

void isGroup(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(m2dFigureC(nodeOfProxy(native), 0).isGroup() ? 1 : 0);
}

void viewNumber(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(m2dFigureC(nodeOfProxy(native), 0).getViewNumber());
}

constexpr proxyMethodEntryS rows[] = {
    {"IsGroup", mzInvokePropertyGet, 0, &isGroup},
    {"FigureItems", mzInvokePropertyGet, 0, &childProxy<prxm2dFigureItemsC, itemsKey>},
    {"InsertPoint", mzInvokePropertyGet, 0, &childProxy<prxm2dInsertPointC, insertPointKey>},
    {"Hatches", mzInvokePropertyGet, 0, &childProxy<prxm2dHatchListC, hatchesKey>},
    {"FigurePrefs", mzInvokePropertyGet, 0, &childProxy<prxmDocumentPrefsC, prefsKey>},
    {"FigureAttr", mzInvokePropertyGet, 0, &childProxy<prxmDocumentAttrC, attributesKey>},
    {"ViewNumber", mzInvokePropertyGet, 0, &viewNumber},
    {},
};

}  // namespace

const proxyClassC prxm2dFigureC::description = describeOverNodes("class prxm2dFigureC *", rows);
