// The key, is and to members every factory offers for each of its classes: the class key K
// (the key word of the class's root node), whether a script object is of the class (its
// classkey property is K), and the object's tree wrapped in the class's own proxy.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "mzcom/mzIDispatch.h"
#include "proxy/proxyHandlerArguments.h"

class proxyObjectC;

// The tree behind a script object, read as a single object. A proxy of this library answers
// its root node: a node inside a larger tree is shared (a second view of it), the root of a
// tree is deep-copied with the custom copy hooks and the copy owned. Any other object is
// asked for its compact text (writeToString(1, 0)), which is parsed and owned. An empty
// handle when there is no object, the call fails or gives no text, or the text does not parse.
metaObjectC getMetaObjectFromDispatch(mzIDispatch* object);

// 1 when the object's classkey property, read by name, is the text classKey byte for byte;
// 0 when there is no object or the property cannot be read as a text.
uint32_t isObjectOfClass(mzIDispatch* object, const char* classKey);

// The object argument at index; empty for an argument that is not an object.
mzSmartPtr<mzIDispatch> objectArgument(proxyAutoParaListC& arguments, int index);

// A new proxyT (count 0) over the object's tree when its root is the key word classKey, else
// null.
template <class proxyT>
proxyObjectC* convertObjectToClass(mzIDispatch* object, const char* classKey) {
  metaObjectC tree = getMetaObjectFromDispatch(object);
  if (!tree.isKeyword(classKey)) return nullptr;
  return new proxyT(tree);
}

// The three handlers of one class, for a factory's rows.
template <const char* const& classKey>
void keyMember(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(classKey);
}

template <const char* const& classKey>
void isMember(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  result.setInt(int32_t(isObjectOfClass(objectArgument(arguments, 0).get(), classKey)));
}

template <class proxyT, const char* const& classKey>
void toMember(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  returnObject(result, convertObjectToClass<proxyT>(objectArgument(arguments, 0).get(), classKey));
}
