#include "proxy3d/prxm3dAsmMateMemberPathC.h"

#include "core/metaTreeC.h"
#include "docproxy/mathArgumentConversion.h"
#include "docproxy/nodeProxyHandlers.h"
#include "model3d/assemblies/m3dAsmC.h"
#include "model3d/assemblies/m3dMateC.h"
#include "proxy/prxFactoryClassConvention.h"
#include "proxy/prxMetaBaseI.h"
#include "proxy/proxyExceptions.h"
#include "proxy3d/prxm3dAsmC.h"
#include "proxy3d/prxm3dMemberC.h"

namespace {

prxm3dAsmMateMemberPathC& self(void* native) { return proxyOf<prxm3dAsmMateMemberPathC>(native); }

// The assembly holding the mate's list; null when the mate is in none.
metaTreeC* mateAssembly(const metaTreeC* mate) { return mate && mate->parent ? mate->parent->parent : nullptr; }

metaTreeC* walkFrom(void* native, metaTreeC* assembly) {
  return m3dAsmC(assembly, 0).resolveMemberPath(self(native).getPath()).getNode();
}

// Over nothing when the walk fails.
void resolveFromMate(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<prxm3dMemberC>(result, walkFrom(native, mateAssembly(self(native).getMateNode())));
}

// The node of the assembly object the argument is, or leads to through its default members;
// anything else does not convert.
metaTreeC* assemblyArgument(proxyAutoParaListC& arguments, int index) {
  const mzSmartPtr<mzIDispatch> assembly = nativeProxyCast<prxm3dAsmC>(objectArgument(arguments, index));
  void* base = nullptr;
  if (!assembly || assembly->QueryInterface(mzIID_ProxyMetaBase, &base) != 0 || !base) throwTypeCastException();
  mzSmartPtr<prxMetaBaseI> metaBase(static_cast<prxMetaBaseI*>(base), false);
  metaTreeC* node = nullptr;
  metaBase->getMetaObject(&node, 0);
  return node;
}

// No object when the walk fails.
void resolveFromAssembly(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  metaTreeC* assembly = assemblyArgument(arguments, 0);
  if (metaTreeC* member = walkFrom(native, assembly)) returnProxyOver<prxm3dMemberC>(result, member);
}

void reset(void* native, proxyAutoParaListC&, proxyAutoTypeCastC&) {
  self(native).getPath().reset();
}

void nextMemberIndex(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(self(native).getPath().popIndex());
}

void more(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(self(native).getPath().getRemainingLength());
}

constexpr proxyMethodEntryS rows[] = {
    {"ResolvePath", mzInvokeMethod, 1, &resolveFromAssembly},
    {"Reset", mzInvokeMethod, 0, &reset},
    {"NextMemberIndex", mzInvokeMethod, 0, &nextMemberIndex},
    {"More", mzInvokeMethod, 0, &more},
    {"ResolvePath", mzInvokeMethod, 0, &resolveFromMate},
    {},
};

// Over any node: the node as the mate, with the path of its first end.
proxyObjectC* makeOverMate(metaTreeC* node) {
  memberPathC paths[2];
  m3dMateC(node, 0).getMemberPaths(paths[0], paths[1]);
  return new prxm3dAsmMateMemberPathC(node, paths[0]);
}

}  // namespace

prxm3dAsmMateMemberPathC::prxm3dAsmMateMemberPathC(metaTreeC* mateNode, const memberPathC& memberPath)
    : proxyObjectC(description, 0), mate(mateNode), path(memberPath) {}

const proxyClassC prxm3dAsmMateMemberPathC::description("class prxm3dAsmMateMemberPathC *", rows, nullptr,
                                                        &makeOverMate);
