// Pieces shared by the handlers of the math proxies.
#pragma once

#include <array>

#include "proxy/fieldRows.h"
#include "proxy/proxyHandlerArguments.h"

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

template <class proxyT, auto component>
constexpr std::array<proxyMethodEntryS, 3> componentRows(const char* name) {
  return methodRows::settableRows(name, &getComponent<proxyT, component>, &putComponent<proxyT, component>);
}
