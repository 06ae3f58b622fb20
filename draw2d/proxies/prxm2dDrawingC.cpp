#include "draw2d/proxies/prxm2dDrawingC.h"

#include "docproxy/prxmDocumentAttrC.h"
#include "docproxy/prxmDocumentPrefsC.h"
#include "draw2d/proxies/prxm2dDrawingItemsC.h"
#include "docproxy/nodeProxyHandlers.h"

namespace {

constexpr char itemsKey[] = "DRAWINGITEMS";
constexpr char prefsKey[] = "DRAWINGPREFS";
constexpr char attributesKey[] = "DRWATTR";

constexpr proxyMethodEntryS rows[] = {
    {"DrawingItems", mzInvokePropertyGet, 0, &childProxy<prxm2dDrawingItemsC, itemsKey>},
    {"DrawingPrefs", mzInvokePropertyGet, 0, &childProxy<prxmDocumentPrefsC, prefsKey>},
    {"DrawingAttr", mzInvokePropertyGet, 0, &childProxy<prxmDocumentAttrC, attributesKey>},
    {},
};

}  // namespace

const proxyClassC prxm2dDrawingC::description = describeOverNodes("class prxm2dDrawingC *", rows);
