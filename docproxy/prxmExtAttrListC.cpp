#include "docproxy/prxmExtAttrListC.h"

#include "proxy/proxyHandlerArguments.h"

namespace {

// The first attribute whose name equals the text without regard to case; nothing, and no
// error, when none does.
void findEntry(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* name = textArgument(arguments, 0);
  mExtAttrListC list(proxyOf<prxmExtAttrListC>(native).getObject().getNode(), 0);
  mExtAttrBaseC found = list.findByName(name);
  if (found.isValid()) returnObject(result, new prxmExtAttrListEntryC(metaObjectC(found.getNode(), 0)));
}

constexpr proxyMethodEntryS rows[] = {
    {"FindEntry", mzInvokeMethod, 1, &findEntry},
    {},
};

}  // namespace

const proxyClassC prxmExtAttrListC::description = describeOverNodes("class prxmExtAttrListC *", rows);
