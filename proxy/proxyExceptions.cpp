#include "proxy/proxyExceptions.h"

void throwTypeCastException() { throw proxyAutoTypeCastExceptionC(); }

void throwContainerError(const char* description, const char* source) {
  throw proxyExecuteExceptionC(source, description);
}

void throwComException(mzIException* error) { throw proxyExecuteComExceptionC(error); }
