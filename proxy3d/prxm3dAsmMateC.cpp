#include "proxy3d/prxm3dAsmMateC.h"

#include "core/keyNodeField.h"
#include "docproxy/nodeProxyHandlers.h"
#include "model3d/assemblies/m3dMateTransZC.h"
#include "proxy3d/prxm3dAsmMateMemberPathC.h"
#include "proxy3d/prxm3dConnPointC.h"
#include "proxy3d/prxm3dMemberC.h"

namespace {

m3dMateC mateOf(void* native) { return m3dMateC(nodeOfProxy(native), 0); }

// Each end's connection point is looked up by itself: one that is missing leaves the other.
template <int side>
void connectionPoint(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  m3dConnPointC points[2];
  mateOf(native).getConnectionPoints(points[0], points[1]);
  returnProxyOver<prxm3dConnPointC>(result, points[side].getNode());
}

template <int side>
void member(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  m3dMemberC members[2];
  mateOf(native).getMembers(members[0], members[1]);
  returnProxyOver<prxm3dMemberC>(result, members[side].getNode());
}

// Both paths empty when the ends cannot be split.
template <int side>
void memberPath(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  memberPathC paths[2];
  mateOf(native).getMemberPaths(paths[0], paths[1]);
  returnObject(result, new prxm3dAsmMateMemberPathC(nodeOfProxy(native), paths[side]));
}

void mateType(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(mateOf(native).getMateType());
}

void value(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(m3dMateTransZC(nodeOfProxy(native), 0).getValue());
}

template <const char* key>
void hasChild(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(peekFieldNode(nodeOfProxy(native), key) ? 1 : 0);
}

constexpr char valueKey[] = "VALUE";
constexpr char freeValueKey[] = "FREEVAL";

constexpr proxyMethodEntryS rows[] = {
    {"ConnectionPoint1", mzInvokePropertyGet, 0, &connectionPoint<0>},
    {"ConnectionPoint2", mzInvokePropertyGet, 0, &connectionPoint<1>},
    {"Member1", mzInvokePropertyGet, 0, &member<0>},
    {"Member2", mzInvokePropertyGet, 0, &member<1>},
    {"MemberPath1", mzInvokeMethod, 0, &memberPath<0>},
    {"MemberPath2", mzInvokeMethod, 0, &memberPath<1>},
    {"MateType", mzInvokePropertyGet, 0, &mateType},
    {"Value", mzInvokePropertyGet, 0, &value},
    {"isValue", mzInvokeMethod, 0, &hasChild<valueKey>},
    {"isFree", mzInvokeMethod, 0, &hasChild<freeValueKey>},
    {},
};

}  // namespace

const proxyClassC prxm3dAsmMateC::description = describeOverNodes("class prxm3dAsmMateC *", rows);
