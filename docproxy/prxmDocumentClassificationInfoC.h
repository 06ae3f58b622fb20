// The script object over one classification entry: its Name and the list of its class
// identifiers, read-only. Its class key is the view's, whatever the entry node's key word.
#pragma once

#include "docproxy/mDocClassifyInfoC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseTemplateC.h"

template <>
struct prxClassNameT<mDocClassifyInfoC> {
  static const char* get() { return "class mDocClassifyInfoC"; }
};

template <>
struct prxMetaClassKeyT<mDocClassifyInfoC> : prxFixedClassKeyT<mDocClassifyInfoC> {};

class prxmDocumentClassificationInfoC
    : public prxDescribedT<prxmDocumentClassificationInfoC, prxMetaObjectBaseTemplateC<mDocClassifyInfoC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
