// The handlers behind the common members of every meta-object proxy that depend only on the
// wrapped node handle, whatever class of meta object wraps it.
#pragma once

class metaObjectVirtualDataBaseC;
class proxyAutoParaListC;
class proxyAutoTypeCastC;

namespace prxMetaObjectCommonRows {

// A new tree-node proxy over the root node, which it does not own.
void thisNode(metaObjectVirtualDataBaseC& handle, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result);
// A new meta-object factory.
void factory(metaObjectVirtualDataBaseC& handle, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result);
// Integer: 1 when the root's key word equals the text argument byte for byte.
void isValidClass(metaObjectVirtualDataBaseC& handle, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result);
// Integer: the file written, from (path), (path, single) or (path, single, pretty); the flags
// default to 1.
void writeToFile(metaObjectVirtualDataBaseC& handle, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result);
// The tree text, from () or (single, pretty); the flags default to 1.
void writeToString(metaObjectVirtualDataBaseC& handle, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result);

}  // namespace prxMetaObjectCommonRows
