// The part-server job factory proxy ("rudezaze.mpartserverfactory"): the part-server job
// members in front of the meta-object factory's, which every factory answers too.
#pragma once

#include <cstdint>

#include "proxy/prxMetaObjectFactoryC.h"

class prxmPSObjectFactoryC : public prxMetaObjectFactoryC {
 public:
  // Count 0 unless takeReference is set: whoever hands the object out takes the first reference.
  explicit prxmPSObjectFactoryC(uint8_t takeReference);

  void* getNativePointer() override;

  static const proxyClassC description;
};
