// The native-document factory proxy ("rudezaze.mNatDocFactory"): the native-document members
// in front of the meta-object factory's, which every factory answers too.
#pragma once

#include <cstdint>

#include "proxy/prxMetaObjectFactoryC.h"

class prxmNatObjectFactoryC : public prxMetaObjectFactoryC {
 public:
  // Count 0 unless takeReference is set: whoever hands the object out takes the first reference.
  explicit prxmNatObjectFactoryC(uint8_t takeReference);

  void* getNativePointer() override;

  static const proxyClassC description;
};
