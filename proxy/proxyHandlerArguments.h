// Pieces shared by the handlers of the meta-object proxies and their lists.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "mzcom/mzIDispatch.h"
#include "proxy/proxyAutoParaListC.h"
#include "proxy/proxyAutoTypeCastC.h"
#include "proxy/proxyObjectC.h"

// The proxy a handler runs on; its native object is the proxy as a proxyObjectC.
template <class proxyT>
proxyT& proxyOf(void* native) {
  return *static_cast<proxyT*>(static_cast<proxyObjectC*>(native));
}

// The result holds object with a reference of its own: a new object's first one, or another
// one on the proxy a call returns so that calls chain. A null object leaves it empty.
inline void returnObject(proxyAutoTypeCastC& result, proxyObjectC* object) {
  result.setDispatch(static_cast<mzIDispatch*>(object));
}

// Arguments by index; a by-reference variable is read for its value, and an argument that
// does not convert throws the cast exception, so that the next row of the name is tried.
inline int32_t intArgument(proxyAutoParaListC& arguments, int index) {
  return arguments.getScriptArgumentValue(index).toInt();
}

inline double numberArgument(proxyAutoParaListC& arguments, int index) {
  return arguments.getScriptArgumentValue(index).toDouble();
}

// Borrowed from the call's arguments: valid until the handler returns.
inline const char* textArgument(proxyAutoParaListC& arguments, int index) {
  return arguments.getScriptArgumentText(index);
}
