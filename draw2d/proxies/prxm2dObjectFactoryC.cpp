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
#include "proxy/proxyProgIdC.h"
#include "proxy/prxFactoryClassConvention.h"

namespace {

template <class proxyT>
proxyObjectC* newDocument(const char* classKey) {
  return new proxyT(metaObjectC(metaTreeC::newWithKeyword(classKey), 1));
}

// (name): names compare without regard to case; "prxm2dfigure" and "prxm2ddrawing" give a new
// empty figure or drawing owning its tree, any other name what the meta-object factory makes
// of it (its lists), or nothing.
void create(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str name = textArgument(arguments, 0);
  if (methodNamesEqual(name.c_str(), "prxm2dfigure"))
    returnObject(result, newDocument<prxm2dFigureC>(m2dFigureC::classKey));
  else if (methodNamesEqual(name.c_str(), "prxm2ddrawing"))
    returnObject(result, newDocument<prxm2dDrawingC>(m2dDrawingC::classKey));
  else
    returnObject(result, createListByName(name.c_str()));
}

#define CLASS_ROWS(name, proxyT, key)                                     \
  {"to" name, mzInvokeMethod, 1, &toMember<proxyT, key>},                 \
      {"is" name, mzInvokeMethod, 1, &isMember<key>}, {"key" name, mzInvokeMethod, 0, &keyMember<key>}

constexpr proxyMethodEntryS rows[] = {
    CLASS_ROWS("drawing", prxm2dDrawingC, m2dDrawingC::classKey),
    CLASS_ROWS("figure", prxm2dFigureC, m2dFigureC::classKey),
    CLASS_ROWS("line2d", prxmLine2dC, mBaseLine2dC::classKey),
    CLASS_ROWS("circle2d", prxmCircle2dC, mBaseCircle2dC::classKey),
    CLASS_ROWS("arc2d", prxmArc2dC, mBaseArc2dC::classKey),
    CLASS_ROWS("intcurve2d", prxmICrv2dC, mBaseIntCrv2dC::classKey),
    CLASS_ROWS("shapeattr2d", prxmShapeAttr2dC, prxmShapeAttr2dC::classKey),
    CLASS_ROWS("ellipse2d", prxmEllipse2dC, mBaseEllipse2dC::classKey),
    CLASS_ROWS("ellipsearc2d", prxmEllipseArc2dC, mBaseEllipseArc2dC::classKey),
    {"Create", mzInvokeMethod, 1, &create},
    {},
};

#undef CLASS_ROWS

}  // namespace

const proxyClassC prxm2dObjectFactoryC::description("class prxm2dObjectFactoryC *", rows,
                                                    &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(2, "rudezaze.m2dfactory", &makeProxyWithoutReference<prxm2dObjectFactoryC>);

}  // namespace

prxm2dObjectFactoryC::prxm2dObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxm2dObjectFactoryC::getNativePointer() { return this; }

prxm2dObjectFactoryC* prxm2dObjectFactoryC::create() { return new prxm2dObjectFactoryC(0); }
