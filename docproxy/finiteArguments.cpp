#include "docproxy/finiteArguments.h"

#include <cmath>

#include "docproxy/mathArgumentConversion.h"
#include "proxy/proxyExceptions.h"
#include "proxy/proxyHandlerArguments.h"

double finiteNumberArgument(proxyAutoParaListC& arguments, int index) {
  const double value = numberArgument(arguments, index);
  if (!std::isfinite(value)) throwTypeCastException();
  return value;
}

vectorC2d<double> finiteVectorArgument(proxyAutoParaListC& arguments, int index) {
  const vectorC2d<double> value = argumentToVector2d(arguments, index);
  if (!std::isfinite(value.x) || !std::isfinite(value.y)) throwTypeCastException();
  return value;
}

matrixC3x3<double> finiteMatrixArgument(proxyAutoParaListC& arguments, int index) {
  const matrixC3x3<double> value = argumentToMatrix3x3(arguments, index);
  for (double element : value.values)
    if (!std::isfinite(element)) throwTypeCastException();
  return value;
}
