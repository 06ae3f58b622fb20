// A static registrar for a class that reaches the registry's interface along more than one
// path (a view with two bases that share that interface): the prototype is registered through
// its viaT part, whose interfaceT is the one dispatch lends the node to. Otherwise as
// keywordRegistrarT (core/keywordRegistrarT.h).
#pragma once

#include <cstdint>
#include <typeinfo>

#include "core/keyWordDeclarationC.h"
#include "core/keywordRegistry.h"

template <class classT, class viaT, class interfaceT>
class keywordRegistrarViaT {
 public:
  keywordRegistrarViaT(metaObjectInterfaceListC*& slot, const char* keyword, int32_t priority)
      : slot(slot), prototype(new classT), declared(keyword) {
    ++keywordRegistryStatistics.registrarsConstructed;
    registryCreate(slot);
    interfaceT* entry = static_cast<viaT*>(prototype);
    registerKeyword(slot, keyword, entry, priority, typeid(classT).name());
  }
  ~keywordRegistrarViaT() {
    delete prototype;
    registryDestroy(slot);
  }
  keywordRegistrarViaT(const keywordRegistrarViaT&) = delete;
  keywordRegistrarViaT& operator=(const keywordRegistrarViaT&) = delete;

 private:
  metaObjectInterfaceListC*& slot;
  classT* prototype;
  keyWordDeclarationC declared;
};
