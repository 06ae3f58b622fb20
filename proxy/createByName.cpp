#include "proxy/createByName.h"

#include "platform/asciiCase.h"

proxyObjectC* createByName(std::span<const namedMakerS> makers, const char* name) {
  if (!name) return nullptr;
  for (const namedMakerS& entry : makers) {
    if (asciiCase::equal(name, entry.name)) return entry.make();
  }
  return nullptr;
}
