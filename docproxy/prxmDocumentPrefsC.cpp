#include "docproxy/prxmDocumentPrefsC.h"

#include <cmath>

#include "docproxy/mDocumentPrefsC.h"
#include "proxy/proxyExceptions.h"
#include "proxy/proxyHandlerArguments.h"

namespace {

using getterT = double (mDocumentPrefsC::*)(uint32_t*);
using setterT = void (mDocumentPrefsC::*)(double);

mDocumentPrefsC prefsOf(void* native) { return mDocumentPrefsC(proxyOf<prxmDocumentPrefsC>(native).getObject().getNode(), 0); }

template <getterT getter>
void getValue(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  mDocumentPrefsC prefs = prefsOf(native);
  result.setDouble((prefs.*getter)(nullptr));
}

// The argument is converted before the tree is touched, so a text changes nothing; a number
// that is not finite fails as a text does.
template <setterT setter>
void putValue(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  double value = arguments.getScriptArgumentValue(0).toDouble();
  if (!std::isfinite(value)) throwTypeCastException();
  mDocumentPrefsC prefs = prefsOf(native);
  (prefs.*setter)(value);
  returnObject(result, &proxyOf<prxmDocumentPrefsC>(native));
}

constexpr proxyMethodEntryS rows[] = {
    {"DesignUnitBase", mzInvokePropertyGet, 0, &getValue<&mDocumentPrefsC::getDesignUnitBase>},
    {"DesignUnitBase", mzInvokePropertyPut, 1, &putValue<&mDocumentPrefsC::setDesignUnitBase>},
    {"DesignUnitBase", mzInvokeMethod, 1, &putValue<&mDocumentPrefsC::setDesignUnitBase>},
    {"UnitBase", mzInvokePropertyGet, 0, &getValue<&mDocumentPrefsC::getUnitBase>},
    {"UnitBase", mzInvokePropertyPut, 1, &putValue<&mDocumentPrefsC::setUnitBase>},
    {"UnitBase", mzInvokeMethod, 1, &putValue<&mDocumentPrefsC::setUnitBase>},
    {},
};

}  // namespace

const proxyClassC prxmDocumentPrefsC::description = describeOverNodes("class prxmDocumentPrefsC *", rows);
