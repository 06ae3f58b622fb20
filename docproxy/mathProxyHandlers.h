// Pieces shared by the handlers of the math proxies.
#pragma once

#include "mzcom/mzIDispatch.h"
#include "proxy/proxyAutoParaListC.h"
#include "proxy/proxyAutoTypeCastC.h"
#include "proxy/proxyObjectC.h"

// The proxy a handler runs on; its native object is the proxy as a proxyObjectC.
template <class proxyT>
proxyT& proxyOf(void* native) {
  return *static_cast<proxyT*>(static_cast<proxyObjectC*>(native));
}

// The result holds object with a reference of its own: a new object's first one, or
// another one on the proxy a put returns so that calls chain.
inline void returnObject(proxyAutoTypeCastC& result, proxyObjectC* object) {
  result.setDispatch(static_cast<mzIDispatch*>(object));
}

// A number argument; a by-reference variable is read for its value.
inline double numberArgument(proxyAutoParaListC& arguments, int index) {
  return arguments.getScriptArgumentValue(index).toDouble();
}

// The get and the put of one component of a vector proxy's value.
template <class proxyT, auto component>
void getComponent(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(proxyOf<proxyT>(native).getValue().*component);
}

template <class proxyT, auto component>
void putComponent(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  proxyT& proxy = proxyOf<proxyT>(native);
  proxy.getValue().*component = numberArgument(arguments, 0);
  returnObject(result, &proxy);
}
