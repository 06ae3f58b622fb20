#include "proxy/refusedPut.h"

#include <cmath>

#include "base/str.h"
#include "proxy/proxyExceptions.h"
#include "proxy/proxyHandlerArguments.h"

void refusePut(const char* member, int argumentIndex) {
  str source("methode:");
  if (member) source += member;
  source += "(Para:";
  source += str(argumentIndex + 1).c_str();
  source += ")";
  throw proxyExecuteExceptionC(source.c_str(), "Object call failed");
}

double finiteNumberOrRefusePut(proxyAutoParaListC& arguments, int index, const char* member) {
  const double number = numberArgument(arguments, index);
  if (!std::isfinite(number)) refusePut(member, index);
  return number;
}
