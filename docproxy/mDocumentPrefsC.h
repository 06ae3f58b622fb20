// The preferences node of a document (FIGUREPREFS, DRAWINGPREFS, ASMPREFS and the like): its
// unit base, the size of the document's length unit, and its design unit base. Neither has a
// default: a missing or non-numeric value reads as 0.0. Each accessor finds the value's child
// or creates it, appended last, so reads leave the child behind.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"

class mDocumentPrefsC : public metaObjectC {
 public:
  using metaObjectC::metaObjectC;

  // found (when given) is 1 only when the child held a number.
  double getUnitBase(uint32_t* found = nullptr) { return getDoubleAttribute("UNITBASE", found); }
  // A number the child held is overwritten; anything else it held stays behind the value.
  void setUnitBase(double value);
  double getDesignUnitBase(uint32_t* found = nullptr) { return getDoubleAttribute("DESIGNUNITBASE", found); }
  void setDesignUnitBase(double value);
};
