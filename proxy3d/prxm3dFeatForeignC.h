// The script object of a foreign feature ("FOEFEAT"): a file of another format embedded in the
// part byte for byte, with the format's name and version. Scripts read and set those, embed a
// file from disk and write the embedded file back to disk.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dGenFeatureC.h"

class prxm3dFeatForeignC : public prxDescribedT<prxm3dFeatForeignC, prxm3dGenFeatureC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
