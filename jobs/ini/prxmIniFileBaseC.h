// The base of the script objects of an INI file (the file, a section, an entry): their
// Factory is a new INI-file factory, in front of the members common to every stored object.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmIniFileBaseC : public prxDescribedT<prxmIniFileBaseC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
