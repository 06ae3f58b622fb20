// The base of the script objects of the web-assistant records (jobs, their formats and views,
// list files and their identification): their Factory is a new web-assistant factory, in
// front of the members common to every stored object.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmWebAssistantBaseC : public prxDescribedT<prxmWebAssistantBaseC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
