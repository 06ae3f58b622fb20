// The script object of a part-server output-file list: a FILENAMES node whose children are
// the file names, one string each, reached through the members of the string list.
#pragma once

#include "core/metaObjListStrContainerC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"

class prxmPSOutFilesC
    : public prxDescribedT<prxmPSOutFilesC, prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
