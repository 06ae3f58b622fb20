#include "proxy3d/prxm3dThreadInfoC.h"

#include "docproxy/prxMatrix4x4C.h"
#include "docproxy/prxVector3dC.h"
#include "geom/vectorC3d.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/rowTable.h"

namespace {

const cosThreadDataC& threadOf(void* native) { return proxyOf<prxm3dThreadInfoC>(native).getThread(); }

// Column 0 (X, radial), 2 (Z, the axis) or 3 (T, the base point) of the placement.
vectorC3d<double> column(const cosThreadDataC& thread, int index) {
  const double* values = thread.ThreadPosition + 4 * index;
  return vectorC3d<double>(values[0], values[1], values[2]);
}

constexpr int radial = 0, axis = 2, basePoint = 3;

// T + Z·along + X·radius, the X column as it is stored (not normalised).
vectorC3d<double> pointAt(const cosThreadDataC& thread, double along, double radius) {
  const vectorC3d<double> x = column(thread, radial), z = column(thread, axis), t = column(thread, basePoint);
  return vectorC3d<double>(t.x + z.x * along + x.x * radius, t.y + z.y * along + x.y * radius,
                           t.z + z.z * along + x.z * radius);
}

void returnVector(proxyAutoTypeCastC& result, const vectorC3d<double>& value) {
  returnObject(result, new prxVector3dC(0, value));
}

template <double cosThreadDataC::*field>
void number(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(threadOf(native).*field);
}

template <int index>
void columnVector(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnVector(result, column(threadOf(native), index));
}

// A new matrix object on every call, holding a copy of the placement.
void position(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  matrixC4x4<double> placement;
  for (int n = 0; n < 16; ++n) placement.values[n] = threadOf(native).ThreadPosition[n];
  returnObject(result, new prxMatrix4x4C(placement));
}

// Ordered comparisons: equal diameters, or either of them NaN, make neither.
bool isInner(const cosThreadDataC& thread) { return thread.FeatureDia < thread.ThreadDia; }
bool isOuter(const cosThreadDataC& thread) { return thread.FeatureDia > thread.ThreadDia; }

template <bool (*test)(const cosThreadDataC&)>
void threadTest(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(test(threadOf(native)) ? 1 : 0);
}

// Where a point lies along the axis, from the base point.
enum class alongE { start, end, middle, edgeStart, edgeEnd };
// Which diameter it lies on.
enum class diameterE { feature, thread };

template <alongE along, diameterE diameter>
void threadPoint(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  const cosThreadDataC& thread = threadOf(native);
  double distance = 0.0;
  if constexpr (along == alongE::end) distance = thread.ThreadLen;
  if constexpr (along == alongE::middle) distance = thread.ThreadLen / 2;
  if constexpr (along == alongE::edgeStart) distance = thread.featureEdgeStart;
  if constexpr (along == alongE::edgeEnd) distance = thread.featureEdgeStart + thread.featureEdgeLen;
  const double radius = (diameter == diameterE::feature ? thread.FeatureDia : thread.ThreadDia) / 2;
  returnVector(result, pointAt(thread, distance, radius));
}

// X pointing out of the feature's material: outwards for an outer thread, else inwards.
void cylinderNormal(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  const cosThreadDataC& thread = threadOf(native);
  const double sense = isOuter(thread) ? 1.0 : -1.0;
  const vectorC3d<double> x = column(thread, radial);
  returnVector(result, vectorC3d<double>(x.x * sense, x.y * sense, x.z * sense));
}

constexpr auto rows = methodRows::rowTable(methodRows::rowsOf({
    {"ThreadLen", mzInvokePropertyGet, 0, &number<&cosThreadDataC::ThreadLen>},
    {"ThreadDia", mzInvokePropertyGet, 0, &number<&cosThreadDataC::ThreadDia>},
    {"FeatureDia", mzInvokePropertyGet, 0, &number<&cosThreadDataC::FeatureDia>},
    {"ThreadAxis", mzInvokePropertyGet, 0, &columnVector<axis>},
    {"ThreadBasePoint", mzInvokePropertyGet, 0, &columnVector<basePoint>},
    {"ThreadPosition", mzInvokePropertyGet, 0, &position},
    {"IsInnerThread", mzInvokeMethod, 0, &threadTest<&isInner>},
    {"IsOuterThread", mzInvokeMethod, 0, &threadTest<&isOuter>},
    {"StartPointOnFeatureDia", mzInvokeMethod, 0, &threadPoint<alongE::start, diameterE::feature>},
    {"EndPointOnFeatureDia", mzInvokeMethod, 0, &threadPoint<alongE::end, diameterE::feature>},
    {"StartPointOnThreadDia", mzInvokeMethod, 0, &threadPoint<alongE::start, diameterE::thread>},
    {"EndPointOnThreadDia", mzInvokeMethod, 0, &threadPoint<alongE::end, diameterE::thread>},
    {"FeatureCylinderPoint", mzInvokeMethod, 0, &threadPoint<alongE::middle, diameterE::feature>},
    {"FeatureCylinderPointNormal", mzInvokeMethod, 0, &cylinderNormal},
    {"FeatureStartEdgePoint", mzInvokeMethod, 0, &threadPoint<alongE::edgeStart, diameterE::feature>},
    {"FeatureEndEdgePoint", mzInvokeMethod, 0, &threadPoint<alongE::edgeEnd, diameterE::feature>},
}));

}  // namespace

const proxyClassC prxm3dThreadInfoC::description("class prxm3dThreadInfoC *", rows, nullptr);

prxm3dThreadInfoC::prxm3dThreadInfoC(const cosThreadDataC& record) : proxyObjectC(description, 0), thread(record) {}
