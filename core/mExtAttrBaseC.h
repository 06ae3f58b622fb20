// An extended attribute: a user-defined named value of a document. Its node's key word gives
// its kind (EXTATTRSTR, EXTATTRVAL, EXTATTRVAR); its children NAME, DESC and VALUE (and TYPE
// for variables) are read and written by the attribute pattern, so reads create them.
// getValueAsString hands the call to the prototype registered for the node's key word, so a
// plain mExtAttrBaseC over any attribute node answers with its kind's text.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"

// Process-wide counters of generated names (the first generated name uses 1).
extern uint32_t generatedNameCounter;
extern uint32_t generatedShortNameCounter;

class mExtAttrBaseC : public metaObjectC {
 public:
  mExtAttrBaseC() = default;
  using metaObjectC::metaObjectC;
  mExtAttrBaseC(const mExtAttrBaseC& other) = default;
  mExtAttrBaseC& operator=(const mExtAttrBaseC& other) = default;
  virtual ~mExtAttrBaseC() = default;

  // The value as text: the registered kind's answer, "" for a node of no registered kind.
  virtual str getValueAsString();

  str getName() { return getStringAttribute("NAME"); }
  void setName(const char* text) { setStringAttribute("NAME", text); }
  str getDescription() { return getStringAttribute("DESC"); }
  void setDescription(const char* text) { setStringAttribute("DESC", text); }

  // NAME when it is not empty; otherwise a generated "VRK_" n "_" seconds, with n the next
  // value of generatedNameCounter and seconds the wall clock since 1970. Nothing is stored.
  str makeName();
  // SHORTNAME, or makeName when that is empty, fitted to maxLength: a text shorter than
  // maxLength as it is (0xFFFFFFFF accepts every text); otherwise only its letters A-Z and
  // digits, and when that is still not shorter, a name generated as makeName does with
  // generatedShortNameCounter.
  str formatName(uint32_t maxLength);
};

// "VRK_" counter "_" seconds, with counter incremented first.
str generateName(uint32_t& counter);
