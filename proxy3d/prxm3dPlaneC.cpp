#include "proxy3d/prxm3dPlaneC.h"

#include <cstring>

#include "core/metaTreeReaderC.h"
#include "docproxy/finiteArguments.h"
#include "docproxy/nodeProxyHandlers.h"
#include "model3d/planes/m3dPlaneC.h"
#include "proxy/fieldRows.h"
#include "proxy3d/prxm3dBasePlaneC.h"
#include "proxy3d/prxm3dOffsetPlaneC.h"
#include "proxy3d/prxmMat4x4C.h"

namespace {

m3dPlaneC planeOf(void* native) { return m3dPlaneC(nodeOfProxy(native), 0); }

bool isBaseType(const char* type) {
  return std::strcmp(type, "XY") == 0 || std::strcmp(type, "ZX") == 0 || std::strcmp(type, "YZ") == 0;
}

// The type is read once ("TYP" added when missing) and compared with the word.
template <const char* word>
void hasType(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(std::strcmp(planeOf(native).getType().c_str(), word) == 0 ? 1 : 0);
}

void isBase(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(isBaseType(planeOf(native).getType().c_str()) ? 1 : 0);
}

// The typed objects share the node, whatever its type.
template <class typedT>
void toTyped(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<typedT>(result, nodeOfProxy(native));
}

void getType(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(planeOf(native).getType().c_str());
}

// Only a text that reads back as one word is stored; any other fails as a value of the wrong
// type, so that the file stays readable.
void putType(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* type = textArgument(arguments, 0);
  if (!metaTreeReaderC::isKeyword(type)) throwTypeCastException();
  planeOf(native).setType(type);
  returnObject(result, &proxyOf<proxyObjectC>(native));
}

void getMatrix(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<prxmMat4x4C>(result, planeOf(native).getMatrix().getNode());
}

// The whole matrix is read before "MAT" is touched; answers 1.
void putMatrix(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const matrixC4x4<double> frame = finiteMatrix4x4Argument(arguments, 0);
  planeOf(native).setFrame(frame);
  result.setInt(1);
}

constexpr char offsetType[] = "OFF_TO_PLANE";
constexpr char rotationType[] = "ROT_TO_PLANE";

constexpr auto rows = methodRows::rowTable(
    methodRows::rowsOf({{"IsOffset", mzInvokeMethod, 0, &hasType<offsetType>},
                        {"IsBase", mzInvokeMethod, 0, &isBase},
                        {"IsRotation", mzInvokeMethod, 0, &hasType<rotationType>},
                        {"BaseName", mzInvokeMethod, 0, &prxm3dPlaneC::baseName},
                        {"toBasePlane", mzInvokeMethod, 0, &toTyped<prxm3dBasePlaneC>},
                        {"toOffsetPlane", mzInvokeMethod, 0, &toTyped<prxm3dOffsetPlaneC>}}),
    methodRows::settableRows("Type", &getType, &putType), methodRows::settableRows("Matrix", &getMatrix, &putMatrix));

}  // namespace

void prxm3dPlaneC::baseName(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  const str type = planeOf(native).getType();
  result.setString(isBaseType(type.c_str()) ? type.c_str() : "");
}

const proxyClassC prxm3dPlaneC::description = describeOverNodes("class prxm3dPlaneC *", rows);
