#include "docproxy/prxmDocumentAttrC.h"

#include "core/metaObjListStrContainerC.h"
#include "docproxy/prxmDocumentClassificationInfoC.h"
#include "docproxy/prxmExtAttrLanguageDict.h"
#include "docproxy/prxmExtAttrListC.h"
#include "proxy/fieldRows.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmObjListContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

using namespace methodRows;

namespace {

constexpr char descKey[] = "DESC";
constexpr char companyKey[] = "COMPANY";
constexpr char authorKey[] = "AUTHOR";
constexpr char changeDateKey[] = "CHANGEDATE";
constexpr char versionKey[] = "VERSION";

using classificationListT = prxmObjListContainerTemplateC<prxmDocumentClassificationInfoC>;

// A view over the proxy's node made for each call, as every view of the block sees the
// same keyword children.
mDocumentAttrC attributesOf(void* native) { return mDocumentAttrC(proxyOf<prxmDocumentAttrC>(native).getObject().getNode(), 0); }

void extAttrList(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxmExtAttrListC(attributesOf(native).getExtAttrList()));
}

void extAttrLanguageList(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxmExtAttrLanguageDictC(attributesOf(native).getLanguageDict()));
}

void namePrefix(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxmStringListC(attributesOf(native).getNamePrefix()));
}

// The classification text parsed into a tree of the list's own, which lives on for as long
// as the list or anything handed out below it does; reads below it create nodes there, never
// in the document. A text that does not parse gives a list over nothing.
void classificationInfo(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  str text = attributesOf(native).getStringAttribute("CLASSIFICATIONINFO");
  metaTreeC* parsed = metaObjectC::readFromString(text.c_str(), 0).getNode();
  auto* list = new classificationListT(metaObjectC(), 1);
  list->attachTree(parsed, 1);
  returnObject(result, list);
}

// (language, name): the attribute of that name in the language's list, else in the list of
// "default", else in the plain list; an entry over nothing when none holds it.
void getExtAttr(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* language = textArgument(arguments, 0);
  const char* name = textArgument(arguments, 1);
  mExtAttrBaseC found = attributesOf(native).findForLanguage(language, name);
  returnObject(result, new prxmExtAttrListEntryC(metaObjectC(found.getNode(), 0)));
}

// A put writes its text in front of whatever else the child held.
template <const char* key>
constexpr auto textRows(const char* name) {
  return textAttributeRows<key, otherKindE::replace>(name);
}

constexpr auto rows = rowTable(textRows<descKey>("Desc"), textRows<companyKey>("Company"),
                               textRows<authorKey>("Author"), textRows<changeDateKey>("ChangeDate"),
                               rowsOf({{"ExtAttrList", mzInvokePropertyGet, 0, &extAttrList},
                                       {"ExtAttrLanguageList", mzInvokePropertyGet, 0, &extAttrLanguageList}}),
                               textRows<versionKey>("Version"),
                               rowsOf({{"NamePrefix", mzInvokePropertyGet, 0, &namePrefix},
                                       {"ClassificationInfo", mzInvokePropertyGet, 0, &classificationInfo},
                                       {"GetExtAttr", mzInvokeMethod, 2, &getExtAttr}}));

}  // namespace

const proxyClassC prxmDocumentAttrC::description = describeOverNodes("class prxmDocumentAttrC *", rows);
