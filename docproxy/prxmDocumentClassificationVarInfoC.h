// The script object over one variable of a class identifier: VarId, TabVar and Value, all
// read-only texts. Its class key is the view's, whatever the node's key word.
#pragma once

#include "docproxy/mDocClassifyVarInfoC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseTemplateC.h"

template <>
struct prxClassNameT<mDocClassifyVarInfoC> {
  static const char* get() { return "class mDocClassifyVarInfoC"; }
};

template <>
struct prxMetaClassKeyT<mDocClassifyVarInfoC> : prxFixedClassKeyT<mDocClassifyVarInfoC> {};

class prxmDocumentClassificationVarInfoC
    : public prxDescribedT<prxmDocumentClassificationVarInfoC, prxMetaObjectBaseTemplateC<mDocClassifyVarInfoC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
