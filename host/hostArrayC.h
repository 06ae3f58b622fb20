// The engine's class "rudezaze.array": a list of values that components fill through the
// member "add" and the host reads back.
#pragma once

#include <cstdint>
#include <vector>

#include "mzcom/mzComObjectT.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzVariantS.h"

class hostArrayC final : public mzComObjectT<mzComInterfaceT<mzIDispatch, mzIID_IDispatch>> {
 public:
  // A new array with one reference for the caller.
  static hostArrayC* create();
  hostArrayC(const hostArrayC&) = delete;
  hostArrayC& operator=(const hostArrayC&) = delete;

  // QueryInterface answers "MZIIDUNK" and "MZIIDDSP"; anything else gives 1 and a null pointer.
  // "add" (a method with one argument) appends a copy of the argument; any other call fails
  // with an error object.
  uint32_t Invoke(const char* name, uint32_t kind, uint32_t argumentCount, mzVariantS* arguments,
                  mzVariantS* result, mzIException** error) override;

  uint32_t count() const { return uint32_t(values.size()); }
  const mzVariantS& item(uint32_t index) const { return values.at(index); }

 private:
  hostArrayC() = default;
  ~hostArrayC() = default;

  std::vector<mzVariantS> values;
};
