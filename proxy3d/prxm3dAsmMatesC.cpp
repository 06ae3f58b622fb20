#include "proxy3d/prxm3dAsmMatesC.h"

#include "docproxy/nodeProxyHandlers.h"
#include "model3d/assemblies/m3dMateC.h"
#include "proxy/listProxyHandlers.h"

namespace {

// Nothing, and no error, for an index without a child or a mate of type 0.
void item(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  metaTreeC* mate = listItemNode(proxyOf<prxm3dAsmMatesC>(native).getObject(), intArgument(arguments, 0));
  if (mate && m3dMateC(mate, 0).getMateType() != 0) returnProxyOver<prxm3dAsmMateC>(result, mate);
}

constexpr proxyMethodEntryS rows[] = {
    {"Item", mzInvokeMethod, 1, &item},
    {},
};

}  // namespace

const proxyClassC prxm3dAsmMatesC::description = describeOverNodes("class prxm3dAsmMatesC *", rows);
