// Handlers shared by the matrix proxies; proxyT is prxMatrix3x3C or prxMatrix4x4C.
#pragma once

#include <utility>

#include "docproxy/mathArgumentConversion.h"
#include "proxy/proxyHandlerArguments.h"

template <class proxyT>
using proxyMatrixT = decltype(std::declval<const proxyT&>().getMatrix());

template <class proxyT>
void identMatrix(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  proxyMatrixT<proxyT> identity;
  identity.ident();
  proxyT& proxy = proxyOf<proxyT>(native);
  proxy.setMatrix(identity);
  returnObject(result, &proxy);
}

// Replaces the whole matrix, a 4x4's translation included; every argument is converted before the matrix is touched.
template <class proxyT>
void rotAngleMatrix(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double a = numberArgument(arguments, 0);
  const double b = numberArgument(arguments, 1);
  const double c = numberArgument(arguments, 2);
  proxyMatrixT<proxyT> rotation;
  rotation.setRotationXYZ(a, b, c);
  proxyT& proxy = proxyOf<proxyT>(native);
  proxy.setMatrix(rotation);
  returnObject(result, &proxy);
}

// The axis itself, a live view that keeps the matrix alive.
template <class proxyT, int axis>
void readAxis(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, &proxyOf<proxyT>(native).getAxis(axis));
}

template <class proxyT, int axis>
void writeAxis(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC3d<double> value = argumentToVector3d(arguments, 0);
  proxyT& proxy = proxyOf<proxyT>(native);
  proxy.getAxis(axis).getValue() = value;
  returnObject(result, &proxy);
}
