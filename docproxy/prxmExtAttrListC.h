// The script object over a list of extended attributes (an EXTATTRLIST node): the full object
// list, each item an entry proxy whatever the attribute's kind, and FindEntry, the lookup by
// name.
#pragma once

#include "core/mExtAttrListC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmExtAttrListEntryC.h"
#include "proxy/prxmObjListContainerTemplateC.h"

class prxmExtAttrListC : public prxDescribedT<prxmExtAttrListC, prxmObjListContainerTemplateC<prxmExtAttrListEntryC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

template <>
struct prxClassNameT<mExtAttrListC> {
  static const char* get() { return "class mExtAttrListC"; }
};
