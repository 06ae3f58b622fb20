// One option page of a plug-in: an OPTPAGE node with its ID and description (DESC) and three
// collections, the option types (OPTTYPES of OPTTYPE), the options (OPTITEMS of OPTITEM) and
// the groups (OPTGROUPS of OPTGROUP). Elements are found by their ID text, scanning in
// document order, and a scan gives every element it passes an ID; merges and updates, which
// look up every element of the other page, find them through an index that answers as those
// scans do, side effects included. A collection is added, empty, the first time an operation
// reaches for it.
// Without a node every operation does nothing and gives an empty view, false or nothing.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "core/metaObjKeyContainerTemplateC.h"
#include "core/metaObjectC.h"
#include "dlliface/mDllIfaceOptGroupC.h"
#include "dlliface/mDllIfaceOptItemC.h"
#include "dlliface/mDllIfaceOptTypeC.h"
#include "core/keyNodeField.h"
#include "memman/pageMemT.h"

using mDllIfaceOptTypeListC = metaObjKeyContainerTemplateC<mDllIfaceOptTypeC>;
using mDllIfaceOptItemListC = metaObjKeyContainerTemplateC<mDllIfaceOptItemC>;
using mDllIfaceOptGroupListC = metaObjKeyContainerTemplateC<mDllIfaceOptGroupC>;

class mDllIfaceOptionPageC : public metaObjectC {
 public:
  static constexpr const char* classKey = "OPTPAGE";

  using metaObjectC::metaObjectC;

  str getId() { return getStringField(node, "ID"); }
  void setId(const char* text) { setStringField(node, "ID", text); }
  str getDesc() { return getStringField(node, "DESC"); }
  void setDesc(const char* text) { setStringField(node, "DESC", text); }

  mDllIfaceOptTypeListC getTypes() { return mDllIfaceOptTypeListC(fieldNode(node, "OPTTYPES"), 0); }
  mDllIfaceOptItemListC getItems() { return mDllIfaceOptItemListC(fieldNode(node, "OPTITEMS"), 0); }
  mDllIfaceOptGroupListC getGroups() { return mDllIfaceOptGroupListC(fieldNode(node, "OPTGROUPS"), 0); }

  // The first element with the ID text id, sharing its node; an empty view when none has it.
  mDllIfaceOptItemC getOption(const char* id);
  mDllIfaceOptTypeC getType(const char* id);
  mDllIfaceOptGroupC getGroup(const char* id);
  bool hasOption(const char* id) { return getOption(id).isValid() != 0; }
  bool hasType(const char* id) { return getType(id).isValid() != 0; }
  bool hasGroup(const char* id) { return getGroup(id).isValid() != 0; }
  // The element found, else a new one holding only its ID, appended to its collection.
  mDllIfaceOptItemC addOption(const char* id);
  mDllIfaceOptTypeC addType(const char* id);
  mDllIfaceOptGroupC addGroup(const char* id);
  // Deletes the first element with the ID text; false when there is none. A script object
  // that shows the element keeps it, detached.
  bool delOption(const char* id);
  bool delType(const char* id);
  bool delGroup(const char* id);

  // This page takes a copy of everything the other page holds (its ID and DESC too) and keeps
  // its own key word. Nothing changes when either page has no node.
  void setFrom(mDllIfaceOptionPageC& page);
  // Appends, as copies, the groups, types and options of the other page whose IDs this page
  // lacks, in that order of passes and in the other page's order. What both pages have stays
  // as this page holds it, value included; of elements with one ID only the first counts.
  void mergeWithPage(mDllIfaceOptionPageC& page);
  // The merge done on a new copy of this page, which the view returned owns; this page stays.
  mDllIfaceOptionPageC createMergedCopy(mDllIfaceOptionPageC& page);
  // Each option of the other page that has a VAL gives a copy of it to this page's option of
  // the same ID and the same TYP text; nothing else changes and nothing is added. The other
  // page is read from a private copy, so it may be this page or lie anywhere in its tree.
  void updateFieldsFromPage(mDllIfaceOptionPageC& page);

  // The option's type holds texts: its TYP is a base type of texts, or names a type of this
  // page whose TYP is one (one level of named types is followed). False when there is no
  // such option.
  bool isStringOption(const char* id);

  // The options' GROUP texts and ID texts, each once, in order of first appearance.
  pageMemT<str, 3> getOptionGroupNames();
  pageMemT<str, 3> getOptionIds();
  // The ID texts, repeats included, and the views of the options whose GROUP text is group.
  pageMemT<str, 3> getOptionIdsOfGroup(const char* group);
  pageMemT<mDllIfaceOptItemC, 3> getOptionsOfGroup(const char* group);
};
