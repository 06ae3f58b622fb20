// The script object of a variant: the variable it names (VarName), its value (VarValue) and
// its 3D preview (Preview3D) as texts, and its lists of wanted files (WantFileSet), bitmaps
// (BitmapSet) and views bitmaps are made of (AutoCreateBitmapsFromViews). A put answers the
// variant, so that calls chain.
#pragma once

#include "jobs/exchange/pShellVariantC.h"
#include "jobs/exchange/prxmNatBaseC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<pShellVariantC> {
  static const char* get() { return "class pShellVariantC"; }
};

class prxmNatVariantC : public prxDescribedT<prxmNatVariantC, prxmNatBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The variants of a document: the VARIANT children of a VARIANTS.
using prxmNatVariantListC = prxmObjListObjTypeContainerTemplateC<prxmNatVariantC, pShellVariantC>;
