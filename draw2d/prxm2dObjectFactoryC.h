// The 2D factory proxy ("rudezaze.m2dfactory"): the 2D drawing members in front of the
// meta-object factory's, which every factory answers too.
#pragma once

#include <cstdint>

#include "proxy/prxMetaObjectFactoryC.h"

class prxm2dObjectFactoryC : public prxMetaObjectFactoryC {
 public:
  static constexpr const char* proxyTypeName = "class prxm2dObjectFactoryC *";

  // Count 0 unless takeReference is set: whoever hands the object out takes the first reference.
  explicit prxm2dObjectFactoryC(uint8_t takeReference);

  const char* getTypeName() override;
  void* getNativePointer() override;

  // The 2D drawing members.
  static const proxyMethodEntryS* buildMethodTable();
};
