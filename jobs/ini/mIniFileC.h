// An INI file held as a keyword tree: the root INIFILE holds the path it was read from
// (FNAME, a string field) and the section list (SECTIONS), whose SECTION children are the
// sections in file order. A file model may hold no tree at all: a file that could not be read.
// Names compare without regard to the case of ASCII letters; duplicates are kept, and of
// equal names the last one wins.
#pragma once

#include "core/metaObjKeyContainerTemplateC.h"
#include "core/metaRecordRootT.h"
#include "jobs/ini/mIniSectionC.h"

using mIniSectionListC = metaObjKeyContainerTemplateC<mIniSectionC>;

class mIniFileC : public metaRecordRootT<mIniFileC> {
 public:
  static constexpr const char* classKey = "INIFILE";

  using metaRecordRootT::metaRecordRootT;

  // A non-owning list over SECTIONS, which is added when missing.
  mIniSectionListC getSections();
  void setFileName(const char* path) { setStringField(node, "FNAME", path); }
  // A new empty SECTION as the last section; a section over nothing without a tree.
  mIniSectionC addSection();
  // The last section whose NAME equals name; a section over nothing when none does. Every
  // section looked at gets a NAME when it has none.
  mIniSectionC findSection(const char* name);
};
