#include "mzcom/mzExceptionObjectC.h"

#include "memman/memManSystemC.h"

mzExceptionObjectC::mzExceptionObjectC(const char* sourceText, const char* descriptionText,
                                       mzIException* innerError)
    : inner(innerError, true) {
  description.setString(descriptionText);
  source.setString(sourceText);
}

mzExceptionObjectC::mzExceptionObjectC(const mzVariantS& sourceValue, const mzVariantS& descriptionValue,
                                       mzIException* innerError)
    : description(descriptionValue), source(sourceValue), inner(innerError, true) {}

uint32_t mzExceptionObjectC::getSource(mzVariantS* out) {
  if (out) source.copyTo(*out);
  return 0;
}

uint32_t mzExceptionObjectC::getDescription(mzVariantS* out) {
  if (out) description.copyTo(*out);
  return 0;
}

uint32_t mzExceptionObjectC::getInnerException(mzIException** out) {
  if (!out) return 0;
  *out = inner.get();
  if (*out) (*out)->AddRef();
  return 0;
}

void* mzExceptionObjectC::operator new(size_t size) {
  return getMemManSystem(0)->allocate(static_cast<uint32_t>(size));
}

void mzExceptionObjectC::operator delete(void* payload) { getMemManSystem(0)->free(payload); }
