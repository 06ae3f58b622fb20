// The script object of one extended attribute of any kind: its name, its description and
// its value as text, in front of the members common to every meta-object proxy. The kinds
// put their own value members in front of these.
#pragma once

#include <array>
#include <type_traits>

#include "core/mExtAttrBaseC.h"
#include "proxy/fieldRows.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmExtAttrListEntryC : public prxDescribedT<prxmExtAttrListEntryC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The handlers' view of an attribute proxy's node as the attribute class attributeT, made
// for each call and owning nothing.
template <class attributeT>
attributeT attributeOf(void* native) {
  return attributeT(proxyOf<prxmExtAttrListEntryC>(native).getMetaObjectNode(), 0);
}

// The put of a text member of attributeT; it returns the proxy so that calls chain.
template <class attributeT, void (attributeT::*setter)(const char*)>
void putAttributeText(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* text = textArgument(arguments, 0);
  (attributeOf<attributeT>(native).*setter)(text);
  returnObject(result, &proxyOf<prxmExtAttrListEntryC>(native));
}

// The get of a text member of attributeT (a getter that may take the found flag, left out).
template <class attributeT, auto getter>
void getAttributeText(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  attributeT attribute = attributeOf<attributeT>(native);
  if constexpr (std::is_invocable_v<decltype(getter), attributeT&>) result.setString((attribute.*getter)().c_str());
  else result.setString((attribute.*getter)(nullptr).c_str());
}

// The get, put and put-as-method rows of a settable text member of attributeT.
template <class attributeT, auto getter, void (attributeT::*setter)(const char*)>
constexpr std::array<proxyMethodEntryS, 3> attributeTextRows(const char* name) {
  return methodRows::settableRows(name, &getAttributeText<attributeT, getter>, &putAttributeText<attributeT, setter>);
}
