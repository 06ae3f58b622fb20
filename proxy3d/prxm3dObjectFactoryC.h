// The 3D object factory proxy ("rudezaze.m3dfactory"): the 3D members in front of the
// meta-object factory's, which every factory answers too.
#pragma once

#include <cstdint>

#include "proxy/prxMetaObjectFactoryC.h"

class prxm3dObjectFactoryC : public prxMetaObjectFactoryC {
 public:
  static constexpr const char* proxyTypeName = "class prxm3dObjectFactoryC *";

  // Count 0 unless takeReference is set: whoever hands the object out takes the first reference.
  explicit prxm3dObjectFactoryC(uint8_t takeReference);

  const char* getTypeName() override;
  void* getNativePointer() override;

  // The 3D members.
  static const proxyMethodEntryS* buildMethodTable();
};
