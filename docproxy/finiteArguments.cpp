#include "docproxy/finiteArguments.h"

#include "docproxy/mathArgumentConversion.h"

vectorC2d<double> finiteVectorArgument(proxyAutoParaListC& arguments, int index) {
  const vectorC2d<double> value = argumentToVector2d(arguments, index);
  finiteArgumentValue(value.x);
  finiteArgumentValue(value.y);
  return value;
}

matrixC3x3<double> finiteMatrixArgument(proxyAutoParaListC& arguments, int index) {
  const matrixC3x3<double> value = argumentToMatrix3x3(arguments, index);
  for (double element : value.values) finiteArgumentValue(element);
  return value;
}

vectorC3d<double> finiteVector3dArgument(proxyAutoParaListC& arguments, int index) {
  const vectorC3d<double> value = argumentToVector3d(arguments, index);
  finiteArgumentValue(value.x);
  finiteArgumentValue(value.y);
  finiteArgumentValue(value.z);
  return value;
}

matrixC4x4<double> finiteMatrix4x4Argument(proxyAutoParaListC& arguments, int index) {
  const matrixC4x4<double> value = argumentToMatrix4x4(arguments, index);
  for (double element : value.values) finiteArgumentValue(element);
  return value;
}
