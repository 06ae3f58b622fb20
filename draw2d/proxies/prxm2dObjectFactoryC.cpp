#include "draw2d/proxies/prxm2dObjectFactoryC.h"

#include "core/metaTreeC.h"
#include "draw2d/documents/m2dDrawingC.h"
#include "draw2d/documents/m2dFigureC.h"
#include "draw2d/shapes/mBaseArc2dC.h"
#include "draw2d/shapes/mBaseCircle2dC.h"
#include "draw2d/shapes/mBaseEllipse2dC.h"
#include "draw2d/shapes/mBaseEllipseArc2dC.h"
#include "draw2d/shapes/mBaseIntCrv2dC.h"
#include "draw2d/shapes/mBaseLine2dC.h"
#include "draw2d/proxies/prxm2dDrawingC.h"
#include "draw2d/proxies/prxm2dFigureC.h"
#include "draw2d/proxies/prxmArc2dC.h"
#include "draw2d/proxies/prxmCircle2dC.h"
#include "draw2d/proxies/prxmEllipse2dC.h"
#include "draw2d/proxies/prxmEllipseArc2dC.h"
#include "draw2d/proxies/prxmICrv2dC.h"
#include "draw2d/proxies/prxmLine2dC.h"
#include "draw2d/proxies/prxmShapeAttr2dC.h"
#include "proxy/createListByName.h"
#include "proxy/factoryRows.h"
#include "proxy/proxyProgIdC.h"

using namespace methodRows;

namespace {

// A new empty document of the class, owning its tree.
template <class proxyT, const char* const& classKey>
proxyObjectC* newDocument() {
  return new proxyT(metaObjectC(metaTreeC::newWithKeyword(classKey), 1));
}

// Any other name is what the meta-object factory makes of it (its lists), or nothing.
constexpr namedMakerS documentMakers[] = {
    {"prxm2dfigure", &newDocument<prxm2dFigureC, m2dFigureC::classKey>},
    {"prxm2ddrawing", &newDocument<prxm2dDrawingC, m2dDrawingC::classKey>},
};

constexpr auto rows = rowTable(classRows<prxm2dDrawingC, m2dDrawingC::classKey, "drawing">(),
                               classRows<prxm2dFigureC, m2dFigureC::classKey, "figure">(),
                               classRows<prxmLine2dC, mBaseLine2dC::classKey, "line2d">(),
                               classRows<prxmCircle2dC, mBaseCircle2dC::classKey, "circle2d">(),
                               classRows<prxmArc2dC, mBaseArc2dC::classKey, "arc2d">(),
                               classRows<prxmICrv2dC, mBaseIntCrv2dC::classKey, "intcurve2d">(),
                               classRows<prxmShapeAttr2dC, prxmShapeAttr2dC::classKey, "shapeattr2d">(),
                               classRows<prxmEllipse2dC, mBaseEllipse2dC::classKey, "ellipse2d">(),
                               classRows<prxmEllipseArc2dC, mBaseEllipseArc2dC::classKey, "ellipsearc2d">(),
                               createRow<documentMakers, &createListByName>("Create"));

}  // namespace

const proxyClassC prxm2dObjectFactoryC::description = describe("class prxm2dObjectFactoryC *", rows);

namespace {

const proxyProgIdC progId(2, "rudezaze.m2dfactory", &makeProxyWithoutReference<prxm2dObjectFactoryC>);

}  // namespace
