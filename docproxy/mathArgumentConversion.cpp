#include "docproxy/mathArgumentConversion.h"

#include <cstring>
#include <utility>

#include "docproxy/matrixConversion.h"
#include "docproxy/prxMatrix3x3C.h"
#include "docproxy/prxMatrix4x4C.h"
#include "docproxy/prxVector2dC.h"
#include "docproxy/prxVector3dC.h"
#include "mzcom/mzForeignCall.h"
#include "mzcom/mzIComNativePointer.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"
#include "proxy/proxyAutoParaListC.h"
#include "proxy/proxyExceptions.h"

namespace {

bool publishesTypeName(const mzSmartPtr<mzIDispatch>& object, const char* typeName) {
  void* pointer = nullptr;
  if (object->QueryInterface(mzIID_IComNativePointer, &pointer) != 0 || !pointer) return false;
  mzSmartPtr<mzIComNativePointer> nativePointer(static_cast<mzIComNativePointer*>(pointer), false);
  mzVariantS name;
  nativePointer->getTypeName(&name);
  const char* text = name.stringText();
  return text && std::strcmp(text, typeName) == 0;
}

mzSmartPtr<mzIDispatch> castOrThrow(const mzSmartPtr<mzIDispatch>& object, const char* typeName) {
  mzSmartPtr<mzIDispatch> cast = nativeProxyCastByTypeName(object, typeName);
  if (!cast) throwTypeCastException();
  return cast;
}

// Reads the named double properties in order; false at the first read that fails. A value
// of another type reads as 0.
template <int count>
bool readComponents(const mzSmartPtr<mzIDispatch>& vector, const char* const (&names)[count],
                    double (&components)[count]) {
  mzVariantS values[count];
  for (int i = 0; i < count; ++i) {
    if (invokeByNameNoArgs(vector, names[i], mzInvokePropertyGet, &values[i]) != 0) return false;
  }
  for (int i = 0; i < count; ++i) {
    components[i] = values[i].type == mzVariantS::typeDouble ? values[i].doubleValue : 0.0;
  }
  return true;
}

// Reads every axis first, whatever the reads give, then converts each as a 3D vector; an
// axis that could not be read or is no 3D vector throws.
template <int count>
void readAxes(const mzSmartPtr<mzIDispatch>& matrix, const char* const (&names)[count],
              vectorC3d<double> (&axes)[count]) {
  mzVariantS values[count];
  for (int i = 0; i < count; ++i) invokeByNameNoArgs(matrix, names[i], mzInvokePropertyGet, &values[i]);
  for (int i = 0; i < count; ++i) {
    mzSmartPtr<mzIDispatch> axis;
    axes[i] = variantToVector3d(variantToDispatch(axis, values[i]));
  }
}

}  // namespace

mzSmartPtr<mzIDispatch> nativeProxyCastByTypeName(const mzSmartPtr<mzIDispatch>& object, const char* typeName) {
  mzSmartPtr<mzIDispatch> current(object);
  for (int steps = 0; current; ++steps) {
    if (publishesTypeName(current, typeName)) return current;
    if (steps == mzMaxIndirectionSteps) break;
    mzVariantS defaultValue;
    if (invokeByNameNoArgs(current, "", mzInvokeMethod, &defaultValue) != 0) break;
    mzSmartPtr<mzIDispatch> next;
    current = std::move(variantToDispatch(next, defaultValue));
  }
  return mzSmartPtr<mzIDispatch>();
}

vectorC2d<double> variantToVector2d(const mzSmartPtr<mzIDispatch>& object) {
  const mzSmartPtr<mzIDispatch> vector = castOrThrow(object, prxVector2dC::description.getTypeName());
  static constexpr const char* names[] = {"x", "y"};
  double components[2] = {};
  if (!readComponents(vector, names, components)) return vectorC2d<double>();
  return vectorC2d<double>(components[0], components[1]);
}

vectorC3d<double> variantToVector3d(const mzSmartPtr<mzIDispatch>& object) {
  const mzSmartPtr<mzIDispatch> vector = castOrThrow(object, prxVector3dC::description.getTypeName());
  static constexpr const char* names[] = {"x", "y", "z"};
  double components[3] = {};
  if (!readComponents(vector, names, components)) return vectorC3d<double>();
  return vectorC3d<double>(components[0], components[1], components[2]);
}

matrixC3x3<double> variantToMatrix3x3(const mzSmartPtr<mzIDispatch>& object) {
  const mzSmartPtr<mzIDispatch> proxy = castOrThrow(object, prxMatrix3x3C::description.getTypeName());
  static constexpr const char* names[] = {"x", "y", "z"};
  vectorC3d<double> axes[3];
  readAxes(proxy, names, axes);
  matrixC3x3<double> matrix;
  for (int column = 0; column < 3; ++column) putAxisColumn(matrix.values, 3, column, axes[column]);
  return matrix;
}

matrixC4x4<double> variantToMatrix4x4(const mzSmartPtr<mzIDispatch>& object) {
  const mzSmartPtr<mzIDispatch> proxy = castOrThrow(object, prxMatrix4x4C::description.getTypeName());
  static constexpr const char* names[] = {"x", "y", "z", "t"};
  vectorC3d<double> axes[4];
  readAxes(proxy, names, axes);
  matrixC4x4<double> matrix;
  matrix.ident();
  for (int column = 0; column < 4; ++column) putAxisColumn(matrix.values, 4, column, axes[column]);
  return matrix;
}

vectorC2d<double> argumentToVector2d(proxyAutoParaListC& arguments, int index) {
  return variantToVector2d(arguments.getScriptArgumentValue(index).toDispatch());
}

vectorC3d<double> argumentToVector3d(proxyAutoParaListC& arguments, int index) {
  return variantToVector3d(arguments.getScriptArgumentValue(index).toDispatch());
}

matrixC3x3<double> argumentToMatrix3x3(proxyAutoParaListC& arguments, int index) {
  return variantToMatrix3x3(arguments.getScriptArgumentValue(index).toDispatch());
}

matrixC4x4<double> argumentToMatrix4x4(proxyAutoParaListC& arguments, int index) {
  return variantToMatrix4x4(arguments.getScriptArgumentValue(index).toDispatch());
}
