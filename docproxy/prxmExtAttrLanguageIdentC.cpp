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

const proxyClassC prxmExtAttrLanguageIdentC::description = describeOverNodes("class prxmExtAttrLanguageIdentC *", rows);
