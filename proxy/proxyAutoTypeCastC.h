// One argument of a script call, or the result a handler writes, with the conversions
// handlers ask for. The value is the variant base; the resolved value keeps an object's
// default value so that a text read from it lives as long as the cast.
#pragma once

#include <cstdint>

#include "memman/memManInterfaceC.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"

class proxyAutoTypeCastC : public mzVariantS, public memManInterfaceC {
 public:
  proxyAutoTypeCastC() = default;
  explicit proxyAutoTypeCastC(const mzVariantS& value) : mzVariantS(value) {}
  proxyAutoTypeCastC(const proxyAutoTypeCastC& other);
  proxyAutoTypeCastC& operator=(const proxyAutoTypeCastC& other);
  ~proxyAutoTypeCastC() override = default;

  // Conversions; each throws proxyAutoTypeCastExceptionC when not possible. Numbers
  // come from integers, doubles or an object whose default value is one; texts from
  // strings or an object whose default value is one. A string is never read as a
  // number, nor a number formatted as a text.
  int32_t toInt() const;
  double toDouble() const;
  // The value as a byte (type 16).
  uint8_t toBool() const;
  const char* toCString();

  // The object behind the value (a by-reference variable followed to its value) as
  // "MZIIDDSP", with a reference; empty, without throwing, for anything else.
  mzSmartPtr<mzIDispatch> toDispatch() const;

  // The value holds the object as "MZIIDUNK"; the passed reference is adopted (released
  // once the value holds its own). A null object empties the value.
  void setObject(mzIUnknown* object);

  mzVariantS resolvedValue;

 private:
  // The value converted to an integer, double or byte into converted, or the throw.
  void convertNumber(uint32_t numberType, mzVariantS& converted) const;
};

// Replaces a by-reference script variable ("MZSCR.SYMBOLREF") by its value, following
// references to references at most mzMaxIndirectionSteps times. false when the chain
// is longer, the variant then holding what was reached.
bool dereferenceSymbolRef(mzVariantS& variant);
