// The library's error object: a source text, a description text and an optional inner
// error object, handed to the caller of a failed call by name.
#pragma once

#include <cstddef>
#include <cstdint>

#include "mzcom/mzComObjectT.h"
#include "mzcom/mzIException.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"

class mzExceptionObjectC : public mzComObjectT<mzComInterfaceT<mzIException, mzIID_IException>> {
 public:
  // Null texts give empty strings; the inner error object is held with a reference of its own.
  mzExceptionObjectC(const char* source, const char* description, mzIException* inner);
  mzExceptionObjectC(const mzVariantS& source, const mzVariantS& description, mzIException* inner);
  mzExceptionObjectC(const mzExceptionObjectC&) = delete;
  mzExceptionObjectC& operator=(const mzExceptionObjectC&) = delete;

  // QueryInterface answers "MZIIDUNK" and "MZIEXCEPTION"; Release deletes the object at 0.
  uint32_t getSource(mzVariantS* out) override;
  uint32_t getDescription(mzVariantS* out) override;
  uint32_t getInnerException(mzIException** out) override;

  ~mzExceptionObjectC() override = default;

  // Error objects live in the memory manager's heap.
  static void* operator new(size_t size);
  static void operator delete(void* payload);

 private:
  mzVariantS description;
  mzVariantS source;
  mzSmartPtr<mzIException> inner;
};
