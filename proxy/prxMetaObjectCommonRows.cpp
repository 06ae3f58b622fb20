#include "proxy/prxMetaObjectCommonRows.h"

#include "core/metaObjectVirtualDataBaseC.h"
#include "proxy/createMetaObjectFactory.h"
#include "proxy/proxyExceptions.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/prxMTreeObjectC.h"

namespace prxMetaObjectCommonRows {

void thisNode(metaObjectVirtualDataBaseC& handle, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxMTreeObjectC(handle.getNode(), nullptr, 0));
}

void factory(metaObjectVirtualDataBaseC&, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, createMetaObjectFactory());
}

void isValidClass(metaObjectVirtualDataBaseC& handle, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* key = textArgument(arguments, 0);
  result.setInt(int32_t(handle.isKeyword(key)));
}

void writeToFile(metaObjectVirtualDataBaseC& handle, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* path = textArgument(arguments, 0);
  uint32_t single = arguments.getCount() > 1 ? uint32_t(intArgument(arguments, 1)) : 1;
  uint32_t pretty = arguments.getCount() > 2 ? uint32_t(intArgument(arguments, 2)) : 1;
  result.setInt(int32_t(handle.writeToFile(path, single, pretty)));
}

void writeToString(metaObjectVirtualDataBaseC& handle, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  uint32_t single = 1;
  uint32_t pretty = 1;
  if (arguments.getCount() == 2) {
    single = uint32_t(intArgument(arguments, 0));
    pretty = uint32_t(intArgument(arguments, 1));
  }
  // A valid tree that gives no text (deeper than a reader takes, too long) fails the call: an
  // empty text would pass for an empty document.
  str text;
  if (!handle.writeToString(text, single, pretty) && handle.isValid())
    throw proxyExecuteExceptionC("methode:writeToString", "Object call failed");
  result.setString(text.c_str());
}

}  // namespace prxMetaObjectCommonRows
