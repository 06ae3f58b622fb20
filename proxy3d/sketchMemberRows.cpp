#include "proxy3d/sketchMemberRows.h"

#include "docproxy/finiteArguments.h"
#include "docproxy/mathArgumentConversion.h"
#include "docproxy/nodeProxyHandlers.h"
#include "docproxy/prxVector3dC.h"
#include "draw2d/proxies/prxmLine2dC.h"
#include "model3d/sketches/m3dSketchC.h"
#include "mzcom/mzIIDConstants.h"
#include "proxy/fieldRows.h"
#include "proxy/prxFactoryClassConvention.h"
#include "proxy/prxMetaBaseI.h"
#include "proxy3d/prxm3dLoopsC.h"
#include "proxy3d/prxmMat4x4C.h"

namespace {

m3dSketchC sketchOf(void* native) { return m3dSketchC(nodeOfProxy(native), 0); }

void returnVector3d(proxyAutoTypeCastC& result, const vectorC3d<double>& value) {
  returnObject(result, new prxVector3dC(0, value));
}

void returnSelf(void* native, proxyAutoTypeCastC& result) { returnObject(result, &proxyOf<proxyObjectC>(native)); }

void getMatrix(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<prxmMat4x4C>(result, sketchOf(native).getMatrix().getNode());
}

// The whole matrix is read before "MAT" is touched; answers 1.
void putMatrix(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const matrixC4x4<double> matrix = finiteMatrix4x4Argument(arguments, 0);
  sketchOf(native).getMatrix().setMatrix(matrix);
  result.setInt(1);
}

void onPlaneName(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(sketchOf(native).getSketchOn().getOnPlaneName().c_str());
}

// The face's point or normal; no result when the sketch is not on a face.
template <vectorC3d<double> (m3dSketchOnC::*read)()>
void onFaceVector(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  m3dSketchOnC placement = sketchOf(native).getSketchOn();
  if (placement.isOnFace()) returnVector3d(result, (placement.*read)());
}

template <bool (m3dSketchOnC::*test)() const>
void isOn(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt((sketchOf(native).getSketchOn().*test)() ? 1 : 0);
}

// The point is read before "MAT" is added.
void transformPoint(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC2d<double> point = argumentToVector2d(arguments, 0);
  m3dSketchC sketch = sketchOf(native);
  sketch.getMatrix();
  returnVector3d(result, sketch.getMatrixValues().transformPoint2d(point));
}

void loops(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<prxm3dLoopsC>(result, nodeOfProxy(native));
}

void centerLine(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<prxmLine2dC>(result, sketchOf(native).getCenterLine().getNode());
}

void hasCenterline(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(sketchOf(native).hasCenterLine() ? 1 : 0);
}

void fixSketchEpsilon(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double epsilon = finiteNumberArgument(arguments, 0);
  result.setInt(sketchOf(native).fixSketchEpsilon(epsilon));
}

void getSketchEpsilon(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  m3dShapeBaseC shortest;
  result.setDouble(sketchOf(native).getShortestShapeLength(shortest));
}

// The node of the 2D line the argument is or leads to through its default members; the cast
// exception for anything else, also for an object that takes the line's type name without
// giving its node.
metaTreeC* lineArgumentNode(proxyAutoParaListC& arguments, int index) {
  const mzSmartPtr<mzIDispatch> line = nativeProxyCast<prxmLine2dC>(objectArgument(arguments, index));
  void* base = nullptr;
  if (!line || line->QueryInterface(mzIID_ProxyMetaBase, &base) != 0 || !base) throwTypeCastException();
  mzSmartPtr<prxMetaBaseI> metaBase(static_cast<prxMetaBaseI*>(base), false);
  metaTreeC* node = nullptr;
  if (metaBase->getMetaObject(&node, 0) != 0) throwTypeCastException();
  return node;
}

void isLineOnCenterLine(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  mBaseLine2dC line(lineArgumentNode(arguments, 0), 0);
  result.setInt(sketchOf(native).isLineOnCenterLine(line));
}

// A face placement goes; returns the sketch.
void setOnPlaneRelation(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* name = textArgument(arguments, 0);
  sketchOf(native).getSketchOn().setOnPlane(name);
  returnSelf(native, result);
}

// Both vectors are read before anything is written; a plane placement stays. Returns the
// sketch.
void setOnFaceRelation(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC3d<double> point = finiteVector3dArgument(arguments, 0);
  const vectorC3d<double> normal = finiteVector3dArgument(arguments, 1);
  m3dSketchOnFaceC face = sketchOf(native).getSketchOn().getFace();
  face.getNormal().setPoint(normal);
  face.getPoint().setPoint(point);
  returnSelf(native, result);
}

constexpr auto rows = methodRows::rowTable(
    methodRows::settableRows("Matrix", &getMatrix, &putMatrix),
    methodRows::rowsOf({
        {"OnPlaneName", mzInvokeMethod, 0, &onPlaneName},
        {"OnFacePoint", mzInvokeMethod, 0, &onFaceVector<&m3dSketchOnC::getOnFacePoint>},
        {"OnFaceNormal", mzInvokeMethod, 0, &onFaceVector<&m3dSketchOnC::getOnFaceNormal>},
        {"IsOnPlane", mzInvokeMethod, 0, &isOn<&m3dSketchOnC::isOnPlane>},
        {"IsOnFace", mzInvokeMethod, 0, &isOn<&m3dSketchOnC::isOnFace>},
        {"XFormPoint", mzInvokeMethod, 1, &transformPoint},
        {"Loops", mzInvokePropertyGet, 0, &loops},
        {"CenterLine", mzInvokePropertyGet, 0, &centerLine},
        {"hasCenterline", mzInvokeMethod, 0, &hasCenterline},
        {"fixSketchEpsilon", mzInvokeMethod, 1, &fixSketchEpsilon},
        {"getSketchEpsilon", mzInvokeMethod, 0, &getSketchEpsilon},
        {"isLineOnCenterLine", mzInvokeMethod, 1, &isLineOnCenterLine},
        {"setOnPlaneRelation", mzInvokeMethod, 1, &setOnPlaneRelation},
        {"setOnFaceRelation", mzInvokeMethod, 2, &setOnFaceRelation},
    }));

}  // namespace

const proxyMethodEntryS* sketchMemberRows() { return rows; }
