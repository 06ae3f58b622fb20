// The script object over one class identifier of a classification entry: its ClassId and the
// list of its variables, read-only. Its class key is the view's, whatever the node's key word.
#pragma once

#include "docproxy/mDocClassifyIdInfoC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseTemplateC.h"

template <>
struct prxClassNameT<mDocClassifyIdInfoC> {
  static const char* get() { return "class mDocClassifyIdInfoC"; }
};

template <>
struct prxMetaClassKeyT<mDocClassifyIdInfoC> : prxFixedClassKeyT<mDocClassifyIdInfoC> {};

class prxmDocumentClassificationIdInfoC
    : public prxDescribedT<prxmDocumentClassificationIdInfoC, prxMetaObjectBaseTemplateC<mDocClassifyIdInfoC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
