#include "core/mDocumentAttrC.h"

mExtAttrBaseC mDocumentAttrC::findForLanguage(const char* language, const char* name) {
  mExtAttrLanguageIdentC identifier(metaTreeC::newWithKeyword(mExtAttrLanguageIdentC::classKey), 1);
  for (const char* wanted : {language, "default"}) {
    identifier.clearChildren();
    identifier.setLanguage(wanted ? wanted : "");
    mExtAttrLanguageDictC::pairT pair = getLanguageDict().findByKey(identifier);
    if (!pair.isValid()) continue;
    mExtAttrBaseC found = pair.getData().findByName(name);
    if (found.isValid()) return found;
  }
  return getExtAttrList().findByName(name);
}
