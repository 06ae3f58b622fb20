// The factories a fuzzed script starts from, as the ProgID declarations name them: a family's
// factory is fuzzed as soon as it declares its ProgID. Free of libFuzzer, so that the unit
// tests can check it too.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "proxy/proxyObjectC.h"
#include "proxy/proxyProgIdC.h"

namespace scriptFuzz {

// The type name of the object the ProgID makes; the object is gone again.
inline std::string typeNameMadeBy(const proxyProgIdC& progId) {
  proxyObjectC* factory = progId.make();
  factory->AddRef();
  std::string typeName = factory->getTypeName();
  factory->Release();
  return typeName;
}

// One ProgID of each class the declared ProgIDs make, in the class factory's order. Taken
// once, ahead of any input: the objects made to tell the classes apart stay out of the heap
// counts of single inputs.
inline const std::vector<const proxyProgIdC*>& factoryStartSet() {
  static const std::vector<const proxyProgIdC*> progIds = [] {
    std::vector<const proxyProgIdC*> distinct;
    std::vector<std::string> typeNames;
    for (const proxyProgIdC* progId = proxyProgIdC::first(); progId; progId = progId->getNext()) {
      std::string typeName = typeNameMadeBy(*progId);
      if (std::find(typeNames.begin(), typeNames.end(), typeName) != typeNames.end()) continue;
      typeNames.push_back(typeName);
      distinct.push_back(progId);
    }
    return distinct;
  }();
  return progIds;
}

// A new object (count 0) of the ProgID text, or null when none is declared.
inline proxyObjectC* makeByProgId(const char* text) {
  for (const proxyProgIdC* progId = proxyProgIdC::first(); progId; progId = progId->getNext())
    if (std::strcmp(progId->getText(), text) == 0) return progId->make();
  return nullptr;
}

}  // namespace scriptFuzz
