#include "docproxy/prxmDocumentAttrC.h"

#include "core/metaObjListStrContainerC.h"
#include "core/propertyValuePut.h"
#include "docproxy/prxmDocumentClassificationInfoC.h"
#include "docproxy/prxmExtAttrLanguageDict.h"
#include "docproxy/prxmExtAttrListC.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmObjListContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

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

template <const char* key>
void getText(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(attributesOf(native).getStringAttribute(key).c_str());
}

// The argument is converted before the tree is touched, so a number changes nothing.
template <const char* key>
void putText(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* text = textArgument(arguments, 0);
  putPropertyString(attributesOf(native).attributeNode(key), text);
  returnObject(result, &proxyOf<prxmDocumentAttrC>(native));
}

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

constexpr proxyMethodEntryS rows[] = {
    {"Desc", mzInvokePropertyGet, 0, &getText<descKey>},
    {"Desc", mzInvokePropertyPut, 1, &putText<descKey>},
    {"Desc", mzInvokeMethod, 1, &putText<descKey>},
    {"Company", mzInvokePropertyGet, 0, &getText<companyKey>},
    {"Company", mzInvokePropertyPut, 1, &putText<companyKey>},
    {"Company", mzInvokeMethod, 1, &putText<companyKey>},
    {"Author", mzInvokePropertyGet, 0, &getText<authorKey>},
    {"Author", mzInvokePropertyPut, 1, &putText<authorKey>},
    {"Author", mzInvokeMethod, 1, &putText<authorKey>},
    {"ChangeDate", mzInvokePropertyGet, 0, &getText<changeDateKey>},
    {"ChangeDate", mzInvokePropertyPut, 1, &putText<changeDateKey>},
    {"ChangeDate", mzInvokeMethod, 1, &putText<changeDateKey>},
    {"ExtAttrList", mzInvokePropertyGet, 0, &extAttrList},
    {"ExtAttrLanguageList", mzInvokePropertyGet, 0, &extAttrLanguageList},
    {"Version", mzInvokePropertyGet, 0, &getText<versionKey>},
    {"Version", mzInvokePropertyPut, 1, &putText<versionKey>},
    {"Version", mzInvokeMethod, 1, &putText<versionKey>},
    {"NamePrefix", mzInvokePropertyGet, 0, &namePrefix},
    {"ClassificationInfo", mzInvokePropertyGet, 0, &classificationInfo},
    {"GetExtAttr", mzInvokeMethod, 2, &getExtAttr},
    {},
};

}  // namespace

const proxyClassC prxmDocumentAttrC::description = describeOverNodes("class prxmDocumentAttrC *", rows);
