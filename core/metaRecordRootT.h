// The root view of a record tree (a job, an exchange document, a plug-in description): a model
// class whose key word Derived::classKey heads a tree of its own, with the one way to start a
// new one.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"

template <class Derived, class Base = metaObjectC>
class metaRecordRootT : public Base {
 public:
  using Base::Base;

  // A new tree holding only the record's key word, owned by the view when owns is set (else by
  // whoever the caller hands it to).
  static Derived create(uint32_t owns) { return Derived(metaTreeC::newWithKeyword(Derived::classKey), owns); }
};
