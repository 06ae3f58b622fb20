// The shape of a family's factory proxy: its own rows (factoryRows.h: the to/is/key rows of
// its classes, Create by name) in front of the meta-object factory's, which every factory
// answers too. The family's class derives from prxFamilyFactoryT<itself>, takes its
// constructor, and defines its description (its literal type name and rows, based on
// prxMetaObjectFactoryC::description) and its ProgID beside it.
#pragma once

#include <cstdint>

#include "proxy/prxMetaObjectFactoryC.h"

template <class factoryT>
class prxFamilyFactoryT : public prxMetaObjectFactoryC {
 public:
  // Count 0 unless takeReference is set: whoever hands the object out takes the first reference.
  explicit prxFamilyFactoryT(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
    setClass(factoryT::description);
  }

  void* getNativePointer() override { return this; }
};
