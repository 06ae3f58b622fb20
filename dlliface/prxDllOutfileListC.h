// The script object of a plug-in call's output files: a DLLOUTFILELIST node whose children are
// the file names, one string each, reached through the members of the string list.
#pragma once

#include "core/metaObjListStrContainerC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"

class prxDllOutfileListC
    : public prxDescribedT<prxDllOutfileListC, prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>> {
 public:
  static constexpr const char* classKey = "DLLOUTFILELIST";

  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
