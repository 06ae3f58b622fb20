// The base of the script objects of native exchange documents (documents, headers, variables,
// tables and variants): their Factory is a new native-document factory, in front of the
// members common to every stored object.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmNatBaseC : public prxDescribedT<prxmNatBaseC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
