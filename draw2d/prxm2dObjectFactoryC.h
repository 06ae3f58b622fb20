// The 2D factory proxy ("rudezaze.m2dfactory"): the 2D drawing members in front of the
// meta-object factory's, which every factory answers too.
#pragma once

#include <cstdint>

#include "proxy/prxMetaObjectFactoryC.h"

class prxm2dObjectFactoryC : public prxMetaObjectFactoryC {
 public:
  // Count 0 unless takeReference is set: whoever hands the object out takes the first reference.
  explicit prxm2dObjectFactoryC(uint8_t takeReference);

  void* getNativePointer() override;

  static const proxyClassC description;
};
