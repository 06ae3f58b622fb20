// The registry of the 2D shape classes and the registrars of the shapes of this folder; more
// registrars may join it from any file of this folder.
#include "core/keywordRegistrarT.h"
#include "draw2d/drawingRegistries.h"
#include "draw2d/documents/m2dTextC.h"
#include "draw2d/shapes/mBaseArc2dC.h"
#include "draw2d/shapes/mBaseCircle2dC.h"
#include "draw2d/shapes/mBaseEllipse2dC.h"
#include "draw2d/shapes/mBaseEllipseArc2dC.h"
#include "draw2d/shapes/mBaseIntCrv2dC.h"
#include "draw2d/shapes/mBaseLine2dC.h"
#include "draw2d/shapes/mBasePoint2dC.h"

metaObjectInterfaceListC* shape2dRegistry = nullptr;

namespace {

keywordRegistrarT<mBaseCircle2dC, mBaseShape2dC> circleRegistrar(shape2dRegistry, mBaseCircle2dC::classKey, 3);
keywordRegistrarT<mBaseLine2dC, mBaseShape2dC> lineRegistrar(shape2dRegistry, mBaseLine2dC::classKey, 3);
keywordRegistrarT<mBaseArc2dC, mBaseShape2dC> arcRegistrar(shape2dRegistry, mBaseArc2dC::classKey, 3);
keywordRegistrarT<mBaseIntCrv2dC, mBaseShape2dC> curveRegistrar(shape2dRegistry, mBaseIntCrv2dC::classKey, 3);
keywordRegistrarT<mBaseEllipse2dC, mBaseShape2dC> ellipseRegistrar(shape2dRegistry, mBaseEllipse2dC::classKey, 4);
keywordRegistrarT<mBaseEllipseArc2dC, mBaseShape2dC> ellipseArcRegistrar(shape2dRegistry,
                                                                         mBaseEllipseArc2dC::classKey, 4);
keywordRegistrarT<mBasePoint2dC, mBaseShape2dC> pointRegistrar(shape2dRegistry, mBasePoint2dC::classKey, 3);
keywordRegistrarT<m2dTextC, mBaseShape2dC> textRegistrar(shape2dRegistry, m2dTextC::classKey, 3);

}  // namespace
