// The point members of the shape objects: a stored point handed out as a live point object,
// and a put that gives the point exactly the two numbers of a vector argument.
#pragma once

#include <array>

#include "core/pointNodeValues.h"
#include "docproxy/finiteArguments.h"
#include "docproxy/nodeProxyHandlers.h"
#include "docproxy/prxm2dPointC.h"
#include "proxy/fieldRows.h"

// pointOf(shape node) is the point node, made when missing.
template <metaTreeC* (*pointOf)(metaTreeC*)>
void getShapePoint(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<prxm2dPointC>(result, pointOf(nodeOfProxy(native)));
}

// The vector is read, and refused when it is none or not finite, before the tree is touched;
// the result is the shape object, so that puts chain.
template <class proxyT, metaTreeC* (*pointOf)(metaTreeC*)>
void putShapePoint(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC2d<double> point = finiteVectorArgument(arguments, 0);
  writeNodePoint2d(pointOf(nodeOfProxy(native)), point);
  returnObject(result, &proxyOf<proxyT>(native));
}

template <class proxyT, metaTreeC* (*pointOf)(metaTreeC*)>
constexpr std::array<proxyMethodEntryS, 3> shapePointRows(const char* name) {
  return methodRows::settableRows(name, &getShapePoint<pointOf>, &putShapePoint<proxyT, pointOf>);
}
