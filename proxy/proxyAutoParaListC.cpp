#include "proxy/proxyAutoParaListC.h"

#include "proxy/proxyExceptions.h"

proxyAutoParaListC::proxyAutoParaListC(uint32_t argumentCount) : count(argumentCount) {
  if (count) arguments = new proxyAutoTypeCastC[count];
}

proxyAutoParaListC::~proxyAutoParaListC() { delete[] arguments; }

void proxyAutoParaListC::setScriptArgument(uint32_t index, const proxyAutoTypeCastC& argument) {
  if (index < count) arguments[index] = argument;
}

const proxyAutoTypeCastC& proxyAutoParaListC::checkedArgument(int index) {
  if (index < 0 || uint32_t(index) >= count) throwTypeCastException();
  currentIndex = index;
  return arguments[index];
}

proxyAutoTypeCastC proxyAutoParaListC::getScriptArgument(int index) { return checkedArgument(index); }

proxyAutoTypeCastC proxyAutoParaListC::getScriptArgumentValue(int index) {
  const proxyAutoTypeCastC& argument = checkedArgument(index);
  if (argument.type != mzVariantS::typeInterface) return argument;
  mzVariantS value(argument);
  if (!dereferenceSymbolRef(value)) throwTypeCastException();
  return proxyAutoTypeCastC(value);
}
