#include "proxy3d/prxmMat4x4C.h"

#include "core/pointNodeValues.h"
#include "docproxy/nodeProxyHandlers.h"
#include "docproxy/prxMatrix4x4C.h"
#include "docproxy/prxVector3dC.h"
#include "model3d/base/mObjMat4x4C.h"
#include "proxy/fieldRows.h"
#include "proxy3d/refusedVectorPut.h"

namespace {

template <int first>
void getColumn(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  const matrixC4x4<double> matrix = readNodeMatrix4x4(nodeOfProxy(native));
  returnObject(result, new prxVector3dC(0, vectorC3d<double>(matrix.values[first], matrix.values[first + 1],
                                                              matrix.values[first + 2])));
}

// The column's three entries replaced, the other 13 kept, all 16 written back.
template <int first, const char* member>
void putColumn(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const vectorC3d<double> column = finiteVector3dOrRefusePut(arguments, 0, member);
  if (metaTreeC* node = nodeOfProxy(native)) {
    matrixC4x4<double> matrix = readNodeMatrix4x4(node);
    matrix.values[first] = column.x;
    matrix.values[first + 1] = column.y;
    matrix.values[first + 2] = column.z;
    mObjMat4x4C(node, 0).setMatrix(matrix);
  }
  returnObject(result, &proxyOf<prxmMat4x4C>(native));
}

void matrix(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxMatrix4x4C(readNodeMatrix4x4(nodeOfProxy(native))));
}

constexpr char xName[] = "x";
constexpr char yName[] = "y";
constexpr char zName[] = "z";
constexpr char tName[] = "t";

template <int first, const char* member>
constexpr std::array<proxyMethodEntryS, 3> columnRows() {
  return methodRows::settableRows(member, &getColumn<first>, &putColumn<first, member>);
}

constexpr auto rows = methodRows::rowTable(columnRows<0, xName>(), columnRows<4, yName>(), columnRows<8, zName>(),
                                           columnRows<12, tName>(),
                                           methodRows::rowsOf({{"", mzInvokeMethod, 0, &matrix}}));

}  // namespace

const proxyClassC prxmMat4x4C::description = describeOverNodes("class prxmMat4x4C *", rows);
