// The web-assistant job factory proxy ("rudezaze.mwebassistantfactory"): the job members in
// front of the meta-object factory's, which every factory answers too. It makes jobs and list
// files, turns any object whose tree is a JOB (a part-server job's too) into a job, and tells
// jobs by their class key; list files read from text stay plain objects.
#pragma once

#include <cstdint>

#include "mzcom/mzIDispatch.h"
#include "proxy/prxMetaObjectFactoryC.h"

class prxmWebAssistantObjectFactoryC : public prxMetaObjectFactoryC {
 public:
  // Count 0 unless takeReference is set: whoever hands the object out takes the first reference.
  explicit prxmWebAssistantObjectFactoryC(uint8_t takeReference);

  void* getNativePointer() override;

  static const proxyClassC description;
};

// A new job ("JOB") or list file ("LIST") holding only its root, owned, for the name in any
// letter case (the whole text, nothing trimmed); null for any other name. Count 0.
proxyObjectC* createWebAssistantObject(const char* name);
// 1 when the object's classkey is "JOB", byte for byte; 0 for anything else and no object.
uint32_t isJobObject(mzIDispatch* object);
// A new factory, count 0.
prxmWebAssistantObjectFactoryC* newWebAssistantFactory();
