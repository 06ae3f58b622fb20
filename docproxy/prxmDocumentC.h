// The members every document's script object has, in front of those of its family's base
// class baseT: Name, ShortName and MIdent, read and set as texts, and the generic names made
// for a document without a name. A put writes its text as the child's value, in front of
// whatever else the child held, and returns the object so that puts chain.
#pragma once

#include <cstdint>

#include "core/mDocumentC.h"
#include "core/propertyValuePut.h"
#include "proxy/makeProxyOverNode.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/prxClassNameT.h"

template <class baseT>
class prxmDocumentC : public baseT {
 public:
  // Shares the source's node when the source is a view; an owning source is deep-copied.
  explicit prxmDocumentC(const metaObjectC& source) : baseT(source) { this->setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;

 private:
  static mDocumentC documentOf(void* native) {
    return mDocumentC(proxyOf<prxmDocumentC>(native).getObject().getNode(), 0);
  }

  static str readName(mDocumentC& document) { return document.getName(); }
  static str readShortName(mDocumentC& document) { return document.getShortName(); }
  static str readIdent(mDocumentC& document) { return document.getMIdent(); }

  template <str (*read)(mDocumentC&)>
  static void getText(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    mDocumentC document = documentOf(native);
    result.setString(read(document).c_str());
  }

  // The argument is converted before the tree is touched, so a value that is no text changes
  // nothing.
  template <const char* key>
  static void putText(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    const str text = textArgument(arguments, 0);
    mDocumentC document = documentOf(native);
    putPropertyString(document.attributeNode(key), text.c_str());
    returnObject(result, &proxyOf<prxmDocumentC>(native));
  }

  static void genericShortName(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    const uint32_t limit = arguments.getCount() ? uint32_t(intArgument(arguments, 0)) : 0xFFFFFFFFu;
    mDocumentC document = documentOf(native);
    result.setString(document.formatName(limit).c_str());
  }

  static void genericName(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    mDocumentC document = documentOf(native);
    result.setString(document.makeName().c_str());
  }

  static constexpr char nameKey[] = "NAME";
  static constexpr char shortNameKey[] = "SHORTNAME";
  static constexpr char identKey[] = "MIDENT";

  static const proxyMethodEntryS documentRows[];
};

template <class baseT>
const proxyMethodEntryS prxmDocumentC<baseT>::documentRows[] = {
    {"Name", mzInvokePropertyGet, 0, &getText<&readName>},
    {"Name", mzInvokePropertyPut, 1, &putText<nameKey>},
    {"Name", mzInvokeMethod, 1, &putText<nameKey>},
    {"ShortName", mzInvokePropertyGet, 0, &getText<&readShortName>},
    {"ShortName", mzInvokePropertyPut, 1, &putText<shortNameKey>},
    {"ShortName", mzInvokeMethod, 1, &putText<shortNameKey>},
    {"MIdent", mzInvokePropertyGet, 0, &getText<&readIdent>},
    {"MIdent", mzInvokePropertyPut, 1, &putText<identKey>},
    {"MIdent", mzInvokeMethod, 1, &putText<identKey>},
    {"GenericShortName", mzInvokeMethod, 0, &genericShortName},
    {"GenericShortName", mzInvokeMethod, 1, &genericShortName},
    {"GenericName", mzInvokeMethod, 0, &genericName},
    {},
};

template <class baseT>
const proxyClassC prxmDocumentC<baseT>::description([] { return prxTemplateTypeName<baseT>("prxmDocumentC"); }, documentRows,
                                                    &baseT::description, &makeProxyOverNode<prxmDocumentC<baseT>>);
