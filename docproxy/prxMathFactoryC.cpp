#include "docproxy/prxMathFactoryC.h"

#include "docproxy/mathProxyHandlers.h"
#include "docproxy/prxMatrix3x3C.h"
#include "docproxy/prxMatrix4x4C.h"
#include "docproxy/prxVector2dC.h"
#include "docproxy/prxVector3dC.h"

namespace {

char asciiLower(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? char(byte - 'A' + 'a') : c;
}

bool equalIgnoringCase(const char* text, const char* lowerName) {
  for (; *text && *lowerName; ++text, ++lowerName) {
    if (asciiLower(*text) != *lowerName) return false;
  }
  return *text == *lowerName;
}

// The matrices start with zero axes, not as the identity.
void createmat4x4(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { returnObject(result, new prxMatrix4x4C()); }

void createmat3x3(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { returnObject(result, new prxMatrix3x3C()); }

void createvec3d(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { returnObject(result, new prxVector3dC(0)); }

void createvec2d(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { returnObject(result, new prxVector2dC(0)); }

// By type name; a name that is none of the four gives an empty result, not an error.
void create(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  static constexpr struct {
    const char* typeName;
    proxyMethodHandlerT creator;
  } creators[] = {
      {"matrix3x3", &createmat3x3},
      {"matrix4x4", &createmat4x4},
      {"vector3d", &createvec3d},
      {"vector2d", &createvec2d},
  };
  proxyAutoTypeCastC argument = arguments.getScriptArgumentValue(0);
  const char* typeName = argument.toCString();
  for (const auto& entry : creators) {
    if (equalIgnoringCase(typeName, entry.typeName)) return entry.creator(native, arguments, result);
  }
}

constexpr proxyMethodEntryS rows[] = {
    {"createmat4x4", mzInvokeMethod, 0, &createmat4x4},
    {"createmat3x3", mzInvokeMethod, 0, &createmat3x3},
    {"createvec3d", mzInvokeMethod, 0, &createvec3d},
    {"createvec2d", mzInvokeMethod, 0, &createvec2d},
    {"Create", mzInvokeMethod, 1, &create},
    {},
};

}  // namespace

const proxyClassC prxMathFactoryC::description("class prxMathFactoryC *", rows, nullptr);

prxMathFactoryC::prxMathFactoryC() : proxyObjectC(description, 0) {}

void* prxMathFactoryC::getNativePointer() { return this; }
