// The attribute block of a document: its extended-attribute list (EXTATTRLIST), its
// per-language lists (EXTLANGATTR: pairs of a language identifier and a list) and its name
// prefixes (DOCNAMEPRE: one text per child).
#pragma once

#include "core/mExtAttrLanguageIdentC.h"
#include "core/mExtAttrListC.h"
#include "core/metaObjDictTemplateC.h"
#include "core/metaObjListStrContainerC.h"

using mExtAttrLanguageDictC = metaObjDictTemplateC<mExtAttrLanguageIdentC, mExtAttrListC>;

class mDocumentAttrC : public metaObjectC {
 public:
  using metaObjectC::metaObjectC;

  // Views over the children, created when missing; they do not own.
  mExtAttrListC getExtAttrList() { return mExtAttrListC(attributeNode(mExtAttrListC::classKey), 0); }
  mExtAttrLanguageDictC getLanguageDict() { return mExtAttrLanguageDictC(attributeNode("EXTLANGATTR"), 0); }
  metaObjListStrContainerC getNamePrefix() { return metaObjListStrContainerC(attributeNode("DOCNAMEPRE"), 0); }

  // The attribute called name in the list of language, else in the list of "default", else in
  // the document's own list; an empty view when none has it.
  mExtAttrBaseC findForLanguage(const char* language, const char* name);
};
