#include "docproxy/prxMatrix3x3C.h"

#include "docproxy/mathArgumentConversion.h"
#include "docproxy/matrixConversion.h"
#include "docproxy/matrixProxyHandlers.h"
#include "docproxy/prxVector2dC.h"
#include "docproxy/prxVector3dC.h"
#include "proxy/proxyExceptions.h"

namespace {

prxMatrix3x3C& matrixProxyOf(void* native) { return proxyOf<prxMatrix3x3C>(native); }

matrixC3x3<double> matrixOf(void* native) { return matrixProxyOf(native).getMatrix(); }

// M·B: B acts first.
void mulMatrix(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const matrixC3x3<double> b = argumentToMatrix3x3(arguments, 0);
  returnObject(result, new prxMatrix3x3C(matrixOf(native) * b));
}

void mulVector(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC3d<double> v = argumentToVector3d(arguments, 0);
  const double column[3] = {v.x, v.y, v.z};
  double image[3];
  matrixMulVector3(matrixOf(native).values, column, image);
  returnObject(result, new prxVector3dC(0, vectorC3d<double>(image[0], image[1], image[2])));
}

// The point (x, y, 1); the third component of the image is dropped undivided.
void mulPoint2d(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC2d<double> point = argumentToVector2d(arguments, 0);
  returnObject(result, new prxVector2dC(0, matrixOf(native).transformPoint2d(point)));
}

void inv(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  matrixC3x3<double> inverse;
  if (!matrixOf(native).inverse(inverse)) throw proxyExecuteExceptionC("methode:inv", "singular matrix");
  returnObject(result, new prxMatrix3x3C(inverse));
}

using self = prxMatrix3x3C;
constexpr proxyMethodEntryS rows[] = {
    {"mul", mzInvokeMethod, 1, &mulMatrix},
    {"mul", mzInvokeMethod, 1, &mulVector},
    {"mul", mzInvokeMethod, 1, &mulPoint2d},
    {"inv", mzInvokeMethod, 0, &inv},
    {"ident", mzInvokeMethod, 0, &identMatrix<self>},
    {"X", mzInvokePropertyGet, 0, &readAxis<self, self::axisX>},
    {"Y", mzInvokePropertyGet, 0, &readAxis<self, self::axisY>},
    {"Z", mzInvokePropertyGet, 0, &readAxis<self, self::axisZ>},
    {"X", mzInvokePropertyPut, 1, &writeAxis<self, self::axisX>},
    {"Y", mzInvokePropertyPut, 1, &writeAxis<self, self::axisY>},
    {"Z", mzInvokePropertyPut, 1, &writeAxis<self, self::axisZ>},
    {"rotAngle", mzInvokeMethod, 3, &rotAngleMatrix<self>},
    {},
};

}  // namespace

const proxyClassC prxMatrix3x3C::description = describe("class prxMatrix3x3C *", rows);

prxMatrix3x3C::prxMatrix3x3C()
    : axes{prxAggregateVector3dC(this), prxAggregateVector3dC(this), prxAggregateVector3dC(this)} {}

prxMatrix3x3C::prxMatrix3x3C(const matrixC3x3<double>& matrix) : prxMatrix3x3C() { setMatrix(matrix); }

matrixC3x3<double> prxMatrix3x3C::getMatrix() const {
  matrixC3x3<double> matrix;
  for (int column = 0; column < 3; ++column) putAxisColumn(matrix.values, 3, column, axes[column].getValue());
  return matrix;
}

void prxMatrix3x3C::setMatrix(const matrixC3x3<double>& matrix) {
  for (int column = 0; column < 3; ++column) axes[column].getValue().assign(matrix.values + 3 * column, 3);
}
