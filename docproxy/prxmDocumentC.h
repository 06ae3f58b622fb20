// The members every document's script object has, in front of those of its family's base
// class baseT: Name, ShortName and MIdent, read and set as texts, and the generic names made
// for a document without a name. A put writes its text as the child's value, in front of
// whatever else the child held, and returns the object so that puts chain.
#pragma once

#include <cstdint>

#include "core/mDocumentC.h"
#include "proxy/fieldRows.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/prxClassNameT.h"
#include "proxy/prxDescribedT.h"

namespace documentKeys {
inline constexpr char name[] = "NAME";
inline constexpr char shortName[] = "SHORTNAME";
inline constexpr char ident[] = "MIDENT";
}  // namespace documentKeys

template <class baseT>
class prxmDocumentC : public prxDescribedT<prxmDocumentC<baseT>, baseT> {
 public:
  using prxmDocumentC::prxDescribedT::prxDescribedT;

  static const proxyClassC description;

 private:
  static mDocumentC documentOf(void* native) {
    return mDocumentC(proxyOf<prxmDocumentC>(native).getObject().getNode(), 0);
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

  static constexpr auto documentRows = methodRows::rowTable(
      methodRows::textAttributeRows<documentKeys::name, methodRows::otherKindE::replace>("Name"),
      methodRows::textAttributeRows<documentKeys::shortName, methodRows::otherKindE::replace>("ShortName"),
      methodRows::textAttributeRows<documentKeys::ident, methodRows::otherKindE::replace>("MIdent"),
      methodRows::rowsOf({{"GenericShortName", mzInvokeMethod, 0, &genericShortName},
                          {"GenericShortName", mzInvokeMethod, 1, &genericShortName},
                          {"GenericName", mzInvokeMethod, 0, &genericName}}));
};

template <class baseT>
const proxyClassC prxmDocumentC<baseT>::description =
    prxmDocumentC::describeOverNodes([] { return prxTemplateTypeName<baseT>("prxmDocumentC"); }, documentRows);
