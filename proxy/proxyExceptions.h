// The exceptions a method-table handler throws. A cast exception means "this row does
// not fit these arguments" and makes the dispatcher try the next row of the name; the
// execute exceptions end the call with an error the caller sees.
#pragma once

#include "base/str.h"
#include "mzcom/mzIException.h"
#include "mzcom/mzSmartPtr.h"

class proxyExceptionBaseC {};

class proxyAutoTypeCastExceptionC : public proxyExceptionBaseC {};

class proxyExecuteExceptionC : public proxyExceptionBaseC {
 public:
  proxyExecuteExceptionC(const char* sourceText, const char* descriptionText)
      : source(sourceText ? sourceText : ""), description(descriptionText ? descriptionText : "") {}

  str source;
  str description;
};

// Carries an error object, with a reference of its own, as the inner error of the call.
class proxyExecuteComExceptionC : public proxyExceptionBaseC {
 public:
  explicit proxyExecuteComExceptionC(mzIException* errorObject) : error(errorObject, true) {}

  mzSmartPtr<mzIException> error;
};

[[noreturn]] void throwTypeCastException();
// The lists' error for an index that finds no item.
[[noreturn]] void throwContainerError(const char* description = "out of range", const char* source = "container");
[[noreturn]] void throwComException(mzIException* error);
