#include "proxy/prxFactoryClassConvention.h"

#include <cstring>

#include "core/metaTreeC.h"
#include "mzcom/mzForeignCall.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"
#include "proxy/prxMetaBaseI.h"

namespace {

// A foreign object's own text of itself: single object, compact.
metaObjectC readWrittenText(mzIDispatch* object) {
  mzVariantS arguments[2];
  arguments[0].setInt(1);
  arguments[1].setInt(0);
  mzVariantS written;
  const char* text = nullptr;
  mzSmartPtr<mzIDispatch> held(object);
  if (invokeByName(held, "writeToString", mzInvokeMethod, 2, arguments, &written) != 0 ||
      written.getString(text) != 0) {
    return metaObjectC();
  }
  return metaObjectC::readFromString(text, 1);
}

}  // namespace

metaObjectC getMetaObjectFromDispatch(mzIDispatch* object) {
  if (!object) return metaObjectC();
  void* base = nullptr;
  if (object->QueryInterface(mzIID_ProxyMetaBase, &base) != 0 || !base) return readWrittenText(object);
  mzSmartPtr<prxMetaBaseI> metaBase(static_cast<prxMetaBaseI*>(base), false);
  metaTreeC* node = nullptr;
  if (metaBase->getMetaObject(&node, 0) != 0 || !node) return metaObjectC();
  if (node->parent) return metaObjectC(node, 0);
  return metaObjectC(metaObjectC(node, 0).clone(0, 1), 1);
}

uint32_t isObjectOfClass(mzIDispatch* object, const char* classKey) {
  if (!object || !classKey) return 0;
  mzVariantS value;
  const char* text = nullptr;
  if (invokeByNameNoArgs(mzSmartPtr<mzIDispatch>(object), "classkey", mzInvokePropertyGet, &value) != 0 ||
      value.getString(text) != 0) {
    return 0;
  }
  return std::strcmp(text, classKey) == 0 ? 1 : 0;
}

mzSmartPtr<mzIDispatch> objectArgument(proxyAutoParaListC& arguments, int index) {
  return arguments.getScriptArgumentValue(index).toDispatch();
}
