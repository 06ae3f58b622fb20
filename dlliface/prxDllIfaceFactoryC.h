// The plug-in interface factory proxy ("rudezaze.mdllifacefactory"): the plug-in members in
// front of the meta-object factory's, which every factory answers too.
#pragma once

#include <cstdint>

#include "proxy/prxMetaObjectFactoryC.h"

class prxDllIfaceFactoryC : public prxMetaObjectFactoryC {
 public:
  // Count 0 unless takeReference is set: whoever hands the object out takes the first reference.
  explicit prxDllIfaceFactoryC(uint8_t takeReference);

  void* getNativePointer() override;

  static const proxyClassC description;
};
