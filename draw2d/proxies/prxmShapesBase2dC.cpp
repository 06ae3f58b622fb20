#include "draw2d/proxies/prxmShapesBase2dC.h"

#include <cmath>

#include "docproxy/finiteArguments.h"
#include "draw2d/shapes/mShapeList2dC.h"
#include "docproxy/nodeProxyHandlers.h"

namespace {

constexpr double pi = 3.141592653589793;

template <bool maximum>
void boundRect(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnVector(result, proxyOf<prxmShapesBase2dC>(native).getCorner(maximum));
}

// Every shape with a registered class moves through the matrix; others stay.
void transformAll(void* native, proxyAutoTypeCastC& result, const matrixC3x3<double>& matrix) {
  mShapeList2dC(proxyOf<prxmShapesBase2dC>(native).getObject().getNode(), 0).forEachShapeTransform(matrix);
  result.setInt(1);
}

matrixC3x3<double> translation(const vectorC2d<double>& offset) {
  matrixC3x3<double> matrix;
  matrix.ident();
  matrix.values[6] = offset.x;
  matrix.values[7] = offset.y;
  return matrix;
}

// (degrees): counter-clockwise about (0, 0).
void rotateItems(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double angle = finiteNumberArgument(arguments, 0) * pi / 180.0;
  matrixC3x3<double> matrix;
  matrix.ident();
  matrix.values[0] = std::cos(angle);
  matrix.values[1] = std::sin(angle);
  matrix.values[3] = -std::sin(angle);
  matrix.values[4] = std::cos(angle);
  transformAll(native, result, matrix);
}

// (vector)
void moveItemsBy(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  transformAll(native, result, translation(finiteVectorArgument(arguments, 0)));
}

// (x, y): y is converted first.
void moveItems(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double y = finiteNumberArgument(arguments, 1);
  const double x = finiteNumberArgument(arguments, 0);
  transformAll(native, result, translation(vectorC2d<double>(x, y)));
}

// (3x3 matrix), applied as it is.
void transformItems(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  transformAll(native, result, finiteMatrixArgument(arguments, 0));
}

constexpr proxyMethodEntryS rows[] = {
    {"BoundRectMax", mzInvokePropertyGet, 0, &boundRect<true>},
    {"BoundRectMin", mzInvokePropertyGet, 0, &boundRect<false>},
    {"rotateItems", mzInvokeMethod, 1, &rotateItems},
    {"moveItems", mzInvokeMethod, 1, &moveItemsBy},
    {"moveItems", mzInvokeMethod, 2, &moveItems},
    {"transformItems", mzInvokeMethod, 1, &transformItems},
    {},
};

}  // namespace

const proxyClassC prxmShapesBase2dC::description = describeOverNodes("class prxmShapesBase2dC *", rows);

const vectorC2d<double>& prxmShapesBase2dC::getCorner(bool maximum) {
  return boundRect.getCorner(maximum, [this](vectorC2d<double>& low, vectorC2d<double>& high) {
    mShapeList2dC(object.getNode(), 0).calcShapesBoundRect(low, high);
  });
}
