// What the script objects of input and output formats share: Name, Desc, Group,
// FileExtension and ToolbarBmp, each read and set as a text; a put answers the object, so
// that calls chain.
#pragma once

#include "dlliface/mFormatItemC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxDescribedT.h"

class prxDllIfaceFmtItemC : public prxDescribedT<prxDllIfaceFmtItemC, prxDllIfaceBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
