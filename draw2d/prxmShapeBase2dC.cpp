#include "draw2d/prxmShapeBase2dC.h"

#include "core/metaTreeC.h"
#include "draw2d/mShapeList2dC.h"
#include "draw2d/prxm2dHandlers.h"
#include "proxy/prxmObjListContainerTemplateC.h"

namespace {

// The step the shapes are sampled with: radians of angle or of parameter.
constexpr double sampleStep = 0.01;
constexpr double defaultTolerance = 1e-5;

// (tolerance): a new list, owning its "COLLECTION", of the lines, arcs and circles fitted to
// the shape; the shape stays as it is.
void interpolateShape(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double tolerance = arguments.getCount() ? numberArgument(arguments, 0) : defaultTolerance;
  mShapeList2dC collection(metaTreeC::newWithKeyword("COLLECTION"), 1);
  mBaseShape2dC(nodeOfProxy(native), 0).toIntCurve(sampleStep, tolerance, collection);
  returnObject(result, new prxmObjListContainerTemplateC<prxmShapeBase2dC>(collection));
}

constexpr proxyMethodEntryS rows[] = {
    {"InterpolateShape", mzInvokeMethod, 0, &interpolateShape},
    {"InterpolateShape", mzInvokeMethod, 1, &interpolateShape},
    {},
};

}  // namespace

const proxyClassC prxmShapeBase2dC::description("class prxmShapeBase2dC *", rows, &prxMetaObjectBaseC::description,
                                                &makeProxyOverNode<prxmShapeBase2dC>);

prxmShapeBase2dC::prxmShapeBase2dC(const metaObjectC& source) : prxMetaObjectBaseC(source) { setClass(description); }
