// The web-assistant job factory proxy ("rudezaze.mwebassistantfactory"): the job members in
// front of the meta-object factory's, which every factory answers too. It makes jobs and list
// files, turns any object whose tree is a JOB (a part-server job's too) into a job, and tells
// jobs by their class key; list files read from text stay plain objects.
#pragma once

#include <cstdint>

#include "proxy/prxFamilyFactoryT.h"

class prxmWebAssistantObjectFactoryC : public prxFamilyFactoryT<prxmWebAssistantObjectFactoryC> {
 public:
  using prxFamilyFactoryT::prxFamilyFactoryT;

  static const proxyClassC description;
};
