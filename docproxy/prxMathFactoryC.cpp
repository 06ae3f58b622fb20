#include "docproxy/prxMathFactoryC.h"

#include "docproxy/mathProxyHandlers.h"
#include "docproxy/prxMatrix3x3C.h"
#include "docproxy/prxMatrix4x4C.h"
#include "docproxy/prxVector2dC.h"
#include "docproxy/prxVector3dC.h"
#include "proxy/factoryRows.h"

using namespace methodRows;

namespace {

// The matrices start with zero axes, not as the identity.
proxyObjectC* newMatrix4x4() { return new prxMatrix4x4C(); }

proxyObjectC* newMatrix3x3() { return new prxMatrix3x3C(); }

proxyObjectC* newVector3d() { return new prxVector3dC(0); }

proxyObjectC* newVector2d() { return new prxVector2dC(0); }

// By type name; a name that is none of the four gives an empty result, not an error.
constexpr namedMakerS mathMakers[] = {
    {"matrix3x3", &newMatrix3x3},
    {"matrix4x4", &newMatrix4x4},
    {"vector3d", &newVector3d},
    {"vector2d", &newVector2d},
};

constexpr auto rows = rowTable(makerRow<&newMatrix4x4>("createmat4x4"), makerRow<&newMatrix3x3>("createmat3x3"),
                               makerRow<&newVector3d>("createvec3d"), makerRow<&newVector2d>("createvec2d"),
                               createRow<mathMakers>("Create"));

}  // namespace

const proxyClassC prxMathFactoryC::description("class prxMathFactoryC *", rows, nullptr);

prxMathFactoryC::prxMathFactoryC() : proxyObjectC(description, 0) {}

