// A static registrar: one per key word and registry. Constructed by the library's static
// initialisation, it creates its registry when needed and registers a new prototype of
// classT (through its interfaceT part); destroyed at unload, it deletes its prototype and
// frees the whole registry, so the first registrar of a slot to go frees it and the others
// find the slot empty. Registrars of one registry may live in any files: equal priorities are
// decided by the class's name (see registerKeyword), not by the order of construction. The key
// word is static text; the registrar declares it among the library's key words.
#pragma once

#include <cstdint>
#include <typeinfo>

#include "core/keyWordDeclarationC.h"
#include "core/keywordRegistry.h"

template <class classT, class interfaceT>
class keywordRegistrarT {
 public:
  keywordRegistrarT(metaObjectInterfaceListC*& slot, const char* keyword, int32_t priority)
      : slot(slot), prototype(new classT), declared(keyword) {
    ++keywordRegistryStatistics.registrarsConstructed;
    registryCreate(slot);
    registerKeyword(slot, keyword, static_cast<interfaceT*>(prototype), priority, typeid(classT).name());
  }
  ~keywordRegistrarT() {
    delete prototype;
    registryDestroy(slot);
  }
  keywordRegistrarT(const keywordRegistrarT&) = delete;
  keywordRegistrarT& operator=(const keywordRegistrarT&) = delete;

  classT* getPrototype() const { return prototype; }

 private:
  metaObjectInterfaceListC*& slot;
  classT* prototype;
  keyWordDeclarationC declared;
};
