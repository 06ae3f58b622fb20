#include "draw2d/proxies/prxmShapeBase2dC.h"

#include "core/metaTreeC.h"
#include "draw2d/shapes/mShapeList2dC.h"
#include "docproxy/nodeProxyHandlers.h"
#include "proxy/prxmObjListContainerTemplateC.h"

namespace {

// The step the shapes are sampled with: radians of angle or of parameter.
constexpr double sampleStep = 0.01;
constexpr double defaultTolerance = 1e-5;

// (tolerance): a new list, owning its "COLLECTION", of the lines, arcs and circles fitted to
// the shape; the shape stays as it is. The list takes the collection over as it was made
// rather than a copy of it.
void interpolateShape(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double tolerance = arguments.getCount() ? numberArgument(arguments, 0) : defaultTolerance;
  auto* list = new prxmObjListContainerTemplateC<prxmShapeBase2dC>(metaObjectC());
  returnObject(result, list);
  list->attachTree(metaTreeC::newWithKeyword("COLLECTION"), 1);
  mShapeList2dC collection(list->getObject().getNode(), 0);
  mBaseShape2dC(nodeOfProxy(native), 0).toIntCurve(sampleStep, tolerance, collection);
}

constexpr proxyMethodEntryS rows[] = {
    {"InterpolateShape", mzInvokeMethod, 0, &interpolateShape},
    {"InterpolateShape", mzInvokeMethod, 1, &interpolateShape},
    {},
};

}  // namespace

const proxyClassC prxmShapeBase2dC::description = describeOverNodes("class prxmShapeBase2dC *", rows);
