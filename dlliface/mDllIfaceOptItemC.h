// One option: an OPTITEM node of a page's OPTITEMS. Besides what types have, it names its
// group (GROUP), holds its value (VAL: one number or text as its first child, or a list of
// them) and its dependencies (DEPS). A single value never changes the kind of VAL's first
// child: a write of the other kind leaves it as it is.
#pragma once

#include <cstdint>

#include "core/metaObjListStrContainerC.h"
#include "core/metaObjListValContainerT.h"
#include "dlliface/mDllIfaceOptBaseC.h"
#include "dlliface/mDllIfaceOptDepListC.h"

class mDllIfaceOptItemC : public mDllIfaceOptBaseC {
 public:
  static constexpr const char* classKey = "OPTITEM";

  using mDllIfaceOptBaseC::mDllIfaceOptBaseC;

  str getGroup() { return getStringField(node, "GROUP"); }
  void setGroup(const char* text) { setStringField(node, "GROUP", text); }
  double getValue() { return getDoubleField(node, "VAL"); }
  void setValue(double value) { setDoubleField(node, "VAL", value); }
  str getStrValue() { return getStringField(node, "VAL"); }
  void setStrValue(const char* text) { setStringField(node, "VAL", text); }
  metaObjListValContainerT<double> getValues() { return metaObjListValContainerT<double>(fieldNode(node, "VAL"), 0); }
  metaObjListStrContainerC getStrValues() { return metaObjListStrContainerC(fieldNode(node, "VAL"), 0); }
  mDllIfaceOptDepListC getDeps() { return mDllIfaceOptDepListC(fieldNode(node, "DEPS"), 0); }
};
