// The method tables of every proxy class a script can reach from the factories, and the
// member names in them, for the fuzz targets that call members by name.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "core/metaObjListStrContainerC.h"
#include "docproxy/prxMathFactoryC.h"
#include "docproxy/prxMatrix3x3C.h"
#include "docproxy/prxMatrix4x4C.h"
#include "docproxy/prxVector2dC.h"
#include "docproxy/prxVector3dC.h"
#include "docproxy/prxmDocumentAttrC.h"
#include "docproxy/prxmDocumentClassificationIdInfoC.h"
#include "docproxy/prxmDocumentClassificationInfoC.h"
#include "docproxy/prxmDocumentClassificationVarInfoC.h"
#include "docproxy/prxmDocumentPrefsC.h"
#include "docproxy/prxmExtAttrLanguageDict.h"
#include "docproxy/prxmExtAttrListC.h"
#include "proxy/prxMTreeObjectC.h"
#include "proxy/prxMetaObjectBaseC.h"
#include "proxy/prxMetaObjectFactoryC.h"
#include "proxy/prxmExtAttrListEntryStrC.h"
#include "proxy/prxmExtAttrListEntryValC.h"
#include "proxy/prxmExtAttrListEntryVarC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmObjListContainerTemplateC.h"

namespace scriptFuzz {

using stringListT = prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>;
using objectListT = prxmObjListContainerTemplateC<prxMetaObjectBaseC>;

template <class P>
void addListTables(std::vector<const proxyMethodEntryS*>& tables) {
  tables.push_back(prxmObjListContainerTemplateC<P>::buildMethodTable());
  tables.push_back(prxmObjListContainerTemplateC<P>::buildReadOnlyMethodTable());
  tables.push_back(prxmObjListContainerTemplateC<P>::prxMetaObjectBaseTemplateC::buildMethodTable());
  tables.push_back(prxmObjEnumC<P>::buildMethodTable());
  tables.push_back(P::buildMethodTable());
  tables.push_back(P::prxMetaObjectBaseTemplateC::buildMethodTable());
}

// Every table of the classes reached here. The tables live until the process ends; made
// first, they stay out of the heap counts of single inputs.
inline std::vector<const proxyMethodEntryS*> allMethodTables() {
  std::vector<const proxyMethodEntryS*> tables = {
      prxMetaObjectFactoryC::buildMethodTable(),
      prxMathFactoryC::buildMethodTable(),
      prxMathBaseC::buildMethodTable(),
      prxMatrix3x3C::buildMethodTable(),
      prxMatrix4x4C::buildMethodTable(),
      prxVector2dC::buildMethodTable(),
      prxVector3dC::buildMethodTable(),
      prxMTreeObjectC::buildMethodTable(),
      stringListT::buildMethodTable(),
      stringListT::prxMetaObjectBaseTemplateC::buildMethodTable(),
      prxmExtAttrListEntryStrC::buildMethodTable(),
      prxmExtAttrListEntryValC::buildMethodTable(),
      prxmExtAttrListEntryVarC::buildMethodTable(),
      prxmDocumentPrefsC::buildMethodTable(),
      prxmDocumentAttrC::buildMethodTable(),
      prxmDocumentAttrC::prxMetaObjectBaseTemplateC::buildMethodTable(),
      prxmExtAttrListC::buildMethodTable(),
      prxmExtAttrLanguageIdentC::buildMethodTable(),
      prxmExtAttrLanguageDictC::buildMethodTable(),
      prxmExtAttrLanguageDictC::keyedListT::buildMethodTable(),
      prxmExtAttrLanguageDictC::keyedListT::prxMetaObjectBaseTemplateC::buildMethodTable(),
      prxmExtAttrLanguagePairC::buildMethodTable(),
      prxmObjEnumC<prxmExtAttrLanguagePairC>::buildMethodTable(),
  };
  addListTables<prxMetaObjectBaseC>(tables);
  addListTables<prxmExtAttrListEntryC>(tables);
  addListTables<prxmDocumentClassificationInfoC>(tables);
  addListTables<prxmDocumentClassificationIdInfoC>(tables);
  addListTables<prxmDocumentClassificationVarInfoC>(tables);
  return tables;
}

// The names of every row of every table, each once.
inline const std::vector<std::string>& memberNames() {
  static const std::vector<std::string> names = [] {
    std::set<std::string> unique;
    for (const proxyMethodEntryS* rows : allMethodTables())
      for (; rows && rows->handler; ++rows) unique.insert(rows->name);
    return std::vector<std::string>(unique.begin(), unique.end());
  }();
  return names;
}

}  // namespace scriptFuzz
