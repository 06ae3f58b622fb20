// The script object over a document's attribute block (FGRATTR, DRWATTR or a 3D attribute
// node): its description, company, author, change date and version as texts, its extended
// attributes (the plain list, the lists by language and the lookup of one attribute for a
// language), its name prefixes and, read-only, its classification data. Document families
// with attributes of their own derive from it and put their rows in front.
#pragma once

#include "core/mDocumentAttrC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseTemplateC.h"

template <>
struct prxClassNameT<mDocumentAttrC> {
  static const char* get() { return "class mDocumentAttrC"; }
};

class prxmDocumentAttrC : public prxDescribedT<prxmDocumentAttrC, prxMetaObjectBaseTemplateC<mDocumentAttrC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
