// One entry of a dictionary: a PAIR node whose child with keyT's key word is the key and whose
// child with dataT's key word is the data. Both are found, or created, by the attribute pattern.
#pragma once

#include "core/metaObjectC.h"

template <class keyT, class dataT>
class metaObjDictPairTemplateC : public metaObjectC {
 public:
  static constexpr const char* classKey = "PAIR";

  using metaObjectC::metaObjectC;

  keyT getKey() { return keyT(attributeNode(keyT::classKey), 0); }
  dataT getData() { return dataT(attributeNode(dataT::classKey), 0); }
};
