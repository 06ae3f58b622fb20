// The script object of an INI file: reads a file into its tree (ReadFile), writes the tree
// as an INI file (WriteFile) and hands out the section list (Sections). The object made by
// the factory owns its tree; reading another file swaps the tree, and the objects taken
// from the old one keep it and go on working on it.
#pragma once

#include <cstdint>

#include "jobs/ini/mIniFileC.h"
#include "jobs/ini/prxmIniFileBaseC.h"
#include "jobs/ini/prxmIniFileSectionC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

using prxmIniFileSectionListC = prxmObjListObjTypeContainerTemplateC<prxmIniFileSectionC, mIniSectionC>;

class prxmIniFileC : public prxDescribedT<prxmIniFileC, prxmIniFileBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  // Replaces the tree by the file's, owned; without a readable file the object holds no
  // tree. 1 when it then holds an INIFILE.
  uint32_t readFile(const char* path);

  static const proxyClassC description;
};
