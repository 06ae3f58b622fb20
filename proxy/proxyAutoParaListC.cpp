#include "proxy/proxyAutoParaListC.h"

#include "proxy/proxyExceptions.h"

struct proxyAutoParaListC::keptValueS {
  mzVariantS value;
  keptValueS* next;
};

proxyAutoParaListC::proxyAutoParaListC(uint32_t argumentCount) : count(argumentCount) {
  if (count) values = ownValues = new mzVariantS[count];
}

void proxyAutoParaListC::release() {
  delete[] ownValues;
  ownValues = nullptr;
  while (keptValueS* kept = keptValues) {
    keptValues = kept->next;
    delete kept;
  }
}

void proxyAutoParaListC::setScriptArgument(uint32_t index, const proxyAutoTypeCastC& argument) {
  if (ownValues && index < count) ownValues[index].assign(argument);
}

const mzVariantS& proxyAutoParaListC::checkedArgument(int index) {
  if (index < 0 || uint32_t(index) >= count) throwTypeCastException();
  currentIndex = index;
  return values[index];
}

mzVariantS& proxyAutoParaListC::keepValue() {
  keptValues = new keptValueS{mzVariantS(), keptValues};
  return keptValues->value;
}

proxyAutoTypeCastC proxyAutoParaListC::getScriptArgument(int index) {
  return proxyAutoTypeCastC(checkedArgument(index));
}

proxyAutoTypeCastC proxyAutoParaListC::getScriptArgumentValue(int index) {
  const mzVariantS& argument = checkedArgument(index);
  if (argument.type != mzVariantS::typeInterface) return proxyAutoTypeCastC(argument);
  mzVariantS value(argument);
  if (!dereferenceSymbolRef(value)) throwTypeCastException();
  return proxyAutoTypeCastC(value);
}

const char* proxyAutoParaListC::getScriptArgumentText(int index) {
  const mzVariantS& argument = checkedArgument(index);
  if (argument.type == mzVariantS::typeString) return argument.stringText();
  if (argument.type != mzVariantS::typeInterface) throwTypeCastException();
  mzVariantS& value = keepValue();
  value.assign(argument);
  if (!dereferenceSymbolRef(value)) throwTypeCastException();
  if (value.type == mzVariantS::typeString) return value.stringText();
  if (value.type != mzVariantS::typeInterface) throwTypeCastException();
  mzVariantS& defaultValue = keepValue();
  if (resolveDefaultValue(value, defaultValue) != 0 || defaultValue.type != mzVariantS::typeString)
    throwTypeCastException();
  return defaultValue.stringText();
}
