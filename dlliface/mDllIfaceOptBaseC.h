// What option types (OPTTYPE) and options (OPTITEM) share: the ID they are found by, a
// description, their type (TYP: a base type name or the ID of a type of the same page),
// limits and presentation hints, value maps and file extensions. Every accessor adds its
// field, empty, when it is missing; only the base-type tests look without adding. Numbers
// are doubles here; scripts see the limits as integers.
#pragma once

#include <cstdint>

#include "core/metaObjListStrContainerC.h"
#include "core/metaObjListValContainerT.h"
#include "core/metaObjectC.h"
#include "dlliface/mDllIfaceOptFileExtC.h"
#include "core/keyNodeField.h"

class mDllIfaceOptBaseC : public metaObjectC {
 public:
  using metaObjectC::metaObjectC;

  double getMinVal() { return getDoubleField(node, "MIN"); }
  void setMinVal(double value) { setDoubleField(node, "MIN", value); }
  double getMaxVal() { return getDoubleField(node, "MAX"); }
  void setMaxVal(double value) { setDoubleField(node, "MAX", value); }
  double getNumLines() { return getDoubleField(node, "NLINES"); }
  void setNumLines(double value) { setDoubleField(node, "NLINES", value); }
  double getOrganizeAsList() { return getDoubleField(node, "GBT"); }
  void setOrganizeAsList(double value) { setDoubleField(node, "GBT", value); }
  double getStepVal() { return getDoubleField(node, "STEP"); }
  void setStepVal(double value) { setDoubleField(node, "STEP", value); }

  str getFormatMask() { return getStringField(node, "MASK"); }
  void setFormatMask(const char* text) { setStringField(node, "MASK", text); }
  str getFileDlgCaption() { return getStringField(node, "FDLGCAP"); }
  void setFileDlgCaption(const char* text) { setStringField(node, "FDLGCAP", text); }
  str getFileDlgType() { return getStringField(node, "FDLGTYP"); }
  void setFileDlgType(const char* text) { setStringField(node, "FDLGTYP", text); }
  str getTyp() { return getStringField(node, "TYP"); }
  void setTyp(const char* text) { setStringField(node, "TYP", text); }
  str getId() { return getStringField(node, "ID"); }
  void setId(const char* text) { setStringField(node, "ID", text); }
  str getDesc() { return getStringField(node, "DESC"); }
  void setDesc(const char* text) { setStringField(node, "DESC", text); }

  metaObjListValContainerT<double> getValueMap() { return metaObjListValContainerT<double>(fieldNode(node, "VALMAP"), 0); }
  metaObjListStrContainerC getStringMap() { return metaObjListStrContainerC(fieldNode(node, "STRMAP"), 0); }
  metaObjListStrContainerC getStringDescMap() { return metaObjListStrContainerC(fieldNode(node, "STRDESCMAP"), 0); }
  metaObjListStrContainerC getBitmapDescMap() { return metaObjListStrContainerC(fieldNode(node, "BMPMAP"), 0); }
  mDllIfaceOptFileExtListC getFileExtList() { return mDllIfaceOptFileExtListC(fieldNode(node, "EXTLST"), 0); }
  // The value node VAL.
  metaObjectC getValList() { return metaObjectC(fieldNode(node, "VAL"), 0); }

  // TYP names one of the nine base types: "int", "str", "dbl", "intsel", "strsel", "file",
  // "bool", "compound", "dir". False without a TYP, which is not added.
  bool isBaseType() const;
  // TYP names a base type whose value is a text: "str", "strsel", "file", "dir".
  bool hasStringValue() const;
};
