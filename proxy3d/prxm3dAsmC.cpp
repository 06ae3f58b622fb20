#include "proxy3d/prxm3dAsmC.h"

#include "core/metaObjListStrContainerC.h"
#include "docproxy/nodeProxyHandlers.h"
#include "docproxy/prxmDocumentPrefsC.h"
#include "proxy/prxmStringListC.h"
#include "proxy3d/prxm3dAsmAttrC.h"
#include "proxy3d/prxm3dAsmMatesC.h"
#include "proxy3d/prxm3dMembersC.h"

namespace {

constexpr char asmAttrKey[] = "ASMATTR";
constexpr char asmPrefsKey[] = "ASMPREFS";
constexpr char matesKey[] = "MATES";

metaTreeC* attributesNode(void* native) { return metaObjectC(nodeOfProxy(native), 0).attributeNode(asmAttrKey); }

void asmAttr(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxm3dAsmAttrC(metaObjectC(attributesNode(native), 0)));
}

void namePrefix(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  metaTreeC* prefixes = metaObjectC(attributesNode(native), 0).attributeNode("DOCNAMEPRE");
  returnObject(result, new prxmStringListC(metaObjListStrContainerC(prefixes, 0)));
}

// The list over the assembly node itself, whose "MEMBER" children are its entries.
void members(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<prxm3dMembersC>(result, nodeOfProxy(native));
}

constexpr proxyMethodEntryS rows[] = {
    {"Members", mzInvokePropertyGet, 0, &members},
    {"AsmAttr", mzInvokePropertyGet, 0, &asmAttr},
    {"Mates", mzInvokePropertyGet, 0, &childProxy<prxm3dAsmMatesC, matesKey>},
    {"AsmPrefs", mzInvokePropertyGet, 0, &childProxy<prxmDocumentPrefsC, asmPrefsKey>},
    {"NamePrefix", mzInvokeMethod, 0, &namePrefix},
    {},
};

}  // namespace

const proxyClassC prxm3dAsmC::description = describeOverNodes("class prxm3dAsmC *", rows);
