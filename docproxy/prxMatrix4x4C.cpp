#include "docproxy/prxMatrix4x4C.h"

#include "docproxy/mathArgumentConversion.h"
#include "docproxy/matrixConversion.h"
#include "docproxy/matrixProxyHandlers.h"
#include "docproxy/prxMatrix3x3C.h"
#include "docproxy/prxVector3dC.h"
#include "proxy/proxyExceptions.h"

namespace {

prxMatrix4x4C& matrixProxyOf(void* native) { return proxyOf<prxMatrix4x4C>(native); }

matrixC4x4<double> matrixOf(void* native) { return matrixProxyOf(native).getMatrix(); }

// M·B: B acts first.
void mulMatrix(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const matrixC4x4<double> b = argumentToMatrix4x4(arguments, 0);
  returnObject(result, new prxMatrix4x4C(matrixOf(native) * b));
}

void mulPoint(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC3d<double> point = argumentToVector3d(arguments, 0);
  returnObject(result, new prxVector3dC(0, matrixOf(native).transformPoint(point)));
}

// The 2D point lies in the plane z = 0; the image is a 3D point.
void mulPoint2d(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC2d<double> point = argumentToVector2d(arguments, 0);
  returnObject(result, new prxVector3dC(0, matrixOf(native).transformPoint2d(point)));
}

void inv(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  matrixC4x4<double> inverse;
  if (!matrixOf(native).inverseAffine(inverse)) throw proxyExecuteExceptionC("methode:inv", "singular matrix");
  returnObject(result, new prxMatrix4x4C(inverse));
}

// Replaces the whole matrix, translation included; every argument is converted before the
// matrix is touched.
void rotVector(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC3d<double> axis = argumentToVector3d(arguments, 0);
  const double angle = numberArgument(arguments, 1);
  matrixC4x4<double> rotation;
  if (!rotation.setRotation(axis.x, axis.y, axis.z, angle))
    throw proxyExecuteExceptionC("methode:rotVector", "rotation axis without direction");
  matrixProxyOf(native).setMatrix(rotation);
  returnObject(result, &matrixProxyOf(native));
}

void conv3x3(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxMatrix3x3C(matrix4x4To3x3(matrixOf(native))));
}

using self = prxMatrix4x4C;
constexpr proxyMethodEntryS rows[] = {
    {"mul", mzInvokeMethod, 1, &mulMatrix},
    {"mul", mzInvokeMethod, 1, &mulPoint},
    {"mul", mzInvokeMethod, 1, &mulPoint2d},
    {"inv", mzInvokeMethod, 0, &inv},
    {"rotAngle", mzInvokeMethod, 3, &rotAngleMatrix<self>},
    {"rotVector", mzInvokeMethod, 2, &rotVector},
    {"conv3x3", mzInvokeMethod, 0, &conv3x3},
    {"ident", mzInvokeMethod, 0, &identMatrix<self>},
    {"X", mzInvokePropertyGet, 0, &readAxis<self, self::axisX>},
    {"Y", mzInvokePropertyGet, 0, &readAxis<self, self::axisY>},
    {"Z", mzInvokePropertyGet, 0, &readAxis<self, self::axisZ>},
    {"T", mzInvokePropertyGet, 0, &readAxis<self, self::axisT>},
    {"X", mzInvokePropertyPut, 1, &writeAxis<self, self::axisX>},
    {"Y", mzInvokePropertyPut, 1, &writeAxis<self, self::axisY>},
    {"Z", mzInvokePropertyPut, 1, &writeAxis<self, self::axisZ>},
    {"T", mzInvokePropertyPut, 1, &writeAxis<self, self::axisT>},
    {},
};

}  // namespace

const proxyClassC prxMatrix4x4C::description = describe("class prxMatrix4x4C *", rows);

prxMatrix4x4C::prxMatrix4x4C()
    : axes{prxAggregateVector3dC(this), prxAggregateVector3dC(this), prxAggregateVector3dC(this),
           prxAggregateVector3dC(this)} {}

prxMatrix4x4C::prxMatrix4x4C(const matrixC4x4<double>& matrix) : prxMatrix4x4C() { setMatrix(matrix); }

matrixC4x4<double> prxMatrix4x4C::getMatrix() const {
  matrixC4x4<double> matrix;
  matrix.ident();
  for (int column = 0; column < 4; ++column) putAxisColumn(matrix.values, 4, column, axes[column].getValue());
  return matrix;
}

void prxMatrix4x4C::setMatrix(const matrixC4x4<double>& matrix) {
  for (int column = 0; column < 4; ++column) {
    axes[column].getValue().assign(matrix.values + 4 * column, 3);
  }
}
