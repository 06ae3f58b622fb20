// Script values to vector and matrix records. A member that takes a vector or a matrix
// receives one of the math proxies, or an object that leads to one through its default
// member. The class is recognised by the type name its native-pointer interface publishes
// and the components are read by member name through Invoke, never from the object's
// memory, so a proxy of another module or a script object serves as well. Anything else
// throws proxyAutoTypeCastExceptionC, so the dispatcher tries the member's next row.
#pragma once

#include "geom/matrixC3x3.h"
#include "geom/matrixC4x4.h"
#include "geom/vectorC2d.h"
#include "geom/vectorC3d.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzSmartPtr.h"

class proxyAutoParaListC;

// The first object on the chain of default members, starting at object, whose type name is
// typeName byte for byte, with a reference of its own; empty when the chain ends first (an
// object without a default member, a value that is no object) or runs beyond
// mzMaxIndirectionSteps steps (an object whose default member returns itself).
mzSmartPtr<mzIDispatch> nativeProxyCastByTypeName(const mzSmartPtr<mzIDispatch>& object, const char* typeName);

template <class proxyClassT>
mzSmartPtr<mzIDispatch> nativeProxyCast(const mzSmartPtr<mzIDispatch>& object) {
  return nativeProxyCastByTypeName(object, proxyClassT::description.getTypeName());
}

// Each throws proxyAutoTypeCastExceptionC for an object that is not of the class. A vector
// whose components cannot be read is the zero vector; a component that is not a double is 0.
vectorC2d<double> variantToVector2d(const mzSmartPtr<mzIDispatch>& object);
vectorC3d<double> variantToVector3d(const mzSmartPtr<mzIDispatch>& object);
// The matrix's axes, read as 3D vectors; an axis that cannot be read throws.
matrixC3x3<double> variantToMatrix3x3(const mzSmartPtr<mzIDispatch>& object);
// The axes X, Y, Z, T as the first three rows; the fourth row is (0, 0, 0, 1).
matrixC4x4<double> variantToMatrix4x4(const mzSmartPtr<mzIDispatch>& object);

// The same, for argument index of a script call (a by-reference variable read for its value).
vectorC2d<double> argumentToVector2d(proxyAutoParaListC& arguments, int index);
vectorC3d<double> argumentToVector3d(proxyAutoParaListC& arguments, int index);
matrixC3x3<double> argumentToMatrix3x3(proxyAutoParaListC& arguments, int index);
matrixC4x4<double> argumentToMatrix4x4(proxyAutoParaListC& arguments, int index);
