// The script object of a work plane ("PLANE") of a part: its type ("TYP"), the tests of it,
// its frame ("MAT") and its conversions into the base-plane and offset-plane objects, in
// front of the members of every feature.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy3d/prxm3dGenFeatureC.h"

class prxm3dPlaneC : public prxDescribedT<prxm3dPlaneC, prxm3dGenFeatureC> {
 public:
  using prxDescribedT::prxDescribedT;

  // BaseName: the type word of a base plane ("XY", "ZX", "YZ", byte for byte), else "".
  static void baseName(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result);

  static const proxyClassC description;
};
