// The script object of a part-server output-file list: a FILENAMES node whose children are
// the file names, one string each, reached through the members of the string list.
#pragma once

#include <cstdint>

#include "core/metaObjListStrContainerC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"

class prxmPSOutFilesC : public prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC> {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmPSOutFilesC(const metaObjectC& source) : prxmObjListBaseTypeContainerTemplateC(source) {
    setClass(description);
  }
  // Over node, owned when owns is set.
  prxmPSOutFilesC(metaTreeC* node, uint32_t owns) : prxmObjListBaseTypeContainerTemplateC(metaObjectC()) {
    setClass(description);
    attachTree(node, owns);
  }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
