#include "draw2d/proxies/prxmCircle2dC.h"

#include "draw2d/shapes/mBaseCircle2dC.h"
#include "draw2d/proxies/shapePointHandlers.h"

namespace {

// The first POINT, made when missing.
metaTreeC* centre(metaTreeC* circle) { return mBaseCircle2dC(circle, 0).centreNode(); }

void radius(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(mBaseCircle2dC(nodeOfProxy(native), 0).getRadius());
}

// The radius is put in front of whatever else RAD held; the result is the circle object.
void putRadius(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double value = finiteNumberArgument(arguments, 0);
  mBaseCircle2dC(nodeOfProxy(native), 0).setRadius(value);
  returnObject(result, &proxyOf<prxmCircle2dC>(native));
}

using self = prxmCircle2dC;
constexpr proxyMethodEntryS rows[] = {
    {"MiddlePoint", mzInvokePropertyGet, 0, &getShapePoint<&centre>},
    {"MiddlePoint", mzInvokePropertyPut, 1, &putShapePoint<self, &centre>},
    {"MiddlePoint", mzInvokeMethod, 1, &putShapePoint<self, &centre>},
    {"Rad", mzInvokePropertyGet, 0, &radius},
    {"Rad", mzInvokePropertyPut, 1, &putRadius},
    {"Rad", mzInvokeMethod, 1, &putRadius},
    {},
};

}  // namespace

const proxyClassC prxmCircle2dC::description = describeOverNodes("class prxmCircle2dC *", rows);
