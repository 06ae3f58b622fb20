#include "proxy3d/prxm3dOffsetPlaneC.h"

#include "docproxy/nodeProxyHandlers.h"
#include "model3d/planes/m3dOffsetPlaneC.h"
#include "proxy/fieldRows.h"

namespace {

struct offsetParamsS {
  uint32_t side = 0;
  double distance = 0.0;
  str referenceName;
};

offsetParamsS paramsOf(void* native) {
  offsetParamsS params;
  m3dOffsetPlaneC(nodeOfProxy(native), 0).getParams(params.side, params.distance, params.referenceName);
  return params;
}

// The plane as an offset plane with the parameters; answers the proxy.
void rewrite(void* native, const offsetParamsS& params, proxyAutoTypeCastC& result) {
  m3dOffsetPlaneC(nodeOfProxy(native), 0).setOffsetPlane(params.side, params.distance, params.referenceName.c_str());
  returnObject(result, &proxyOf<proxyObjectC>(native));
}

void getDistance(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(paramsOf(native).distance);
}

void putDistance(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double distance = finiteNumberArgument(arguments, 0);
  offsetParamsS params = paramsOf(native);
  params.distance = distance;
  rewrite(native, params, result);
}

void getSide(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(int32_t(paramsOf(native).side));
}

void putSide(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const int32_t side = finiteIntegerArgument(arguments, 0);
  offsetParamsS params = paramsOf(native);
  params.side = side != 0 ? 1 : 0;
  rewrite(native, params, result);
}

void getReferenceName(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(paramsOf(native).referenceName.c_str());
}

void putReferenceName(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* name = textArgument(arguments, 0);
  offsetParamsS params = paramsOf(native);
  params.referenceName = name;
  rewrite(native, params, result);
}

constexpr auto rows = methodRows::rowTable(methodRows::settableRows("Distance", &getDistance, &putDistance),
                                           methodRows::settableRows("Side", &getSide, &putSide),
                                           methodRows::settableRows("RefName", &getReferenceName, &putReferenceName));

}  // namespace

const proxyClassC prxm3dOffsetPlaneC::description = describeOverNodes("class prxm3dOffsetPlaneC *", rows);
