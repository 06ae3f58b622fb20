// The script object of one extended attribute of any kind: its name, its description and
// its value as text, in front of the members common to every meta-object proxy. The kinds
// put their own value members in front of these.
#pragma once

#include "core/mExtAttrBaseC.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmExtAttrListEntryC : public prxMetaObjectBaseC {
 public:
  // Over the source's handle, as every meta-object proxy takes one: an owning source is
  // deep-copied and the copy owned, a non-owning one shared.
  explicit prxmExtAttrListEntryC(const metaObjectC& source);

  void* getNativePointer() override;

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
  str text = textArgument(arguments, 0);
  (attributeOf<attributeT>(native).*setter)(text.c_str());
  returnObject(result, &proxyOf<prxmExtAttrListEntryC>(native));
}
