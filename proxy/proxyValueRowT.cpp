#include "proxy/proxyValueRowT.h"

namespace {

// Filled while statics are made and only read afterwards. A class whose index is made
// before its handlers registered runs them through their rows, which gives the same result.
constinit const proxyValueGetterS* firstValueGetter = nullptr;

}  // namespace

bool registerValueGetter(proxyValueGetterS& entry) {
  for (const proxyValueGetterS* known = firstValueGetter; known; known = known->next)
    if (known == &entry) return true;
  entry.next = firstValueGetter;
  firstValueGetter = &entry;
  return true;
}

proxyValueGetterT findValueGetter(proxyMethodHandlerT handler) {
  for (const proxyValueGetterS* known = firstValueGetter; known; known = known->next)
    if (known->handler == handler) return known->getter;
  return nullptr;
}
