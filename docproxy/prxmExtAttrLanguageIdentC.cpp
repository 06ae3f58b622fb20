#include "docproxy/prxmExtAttrLanguageIdentC.h"

#include "proxy/proxyHandlerArguments.h"

namespace {

// The string value of the node; "" when it holds none.
void language(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  metaTreeC* node = proxyOf<prxmExtAttrLanguageIdentC>(native).getObject().getNode();
  result.setString(mExtAttrLanguageIdentC(node, 0).getLanguage().c_str());
}

constexpr proxyMethodEntryS rows[] = {
    {"", mzInvokeMethod, 0, &language},
    {},
};

}  // namespace

const proxyClassC prxmExtAttrLanguageIdentC::description("class prxmExtAttrLanguageIdentC *", rows,
                                                         &prxMetaObjectBaseC::description,
                                                         &makeProxyOverNode<prxmExtAttrLanguageIdentC>);

prxmExtAttrLanguageIdentC::prxmExtAttrLanguageIdentC(const metaObjectC& source) : prxMetaObjectBaseC(source) {
  setClass(description);
}
