// Meta-object proxies for the tests: documents read from text, lists over their nodes and
// their text; calls by name come from tests/helpers/scriptCalls.h.
#pragma once

#include <string>

#include "core/metaObjListStrContainerC.h"
#include "core/metaObjectC.h"
#include "mzcom/mzSmartPtr.h"
#include "proxy/prxMTreeObjectC.h"
#include "proxy/prxMetaBaseI.h"
#include "proxy/prxMetaObjectBaseC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmObjListContainerTemplateC.h"
#include "tests/core/treeTestHelpers.h"
#include "tests/helpers/scriptCalls.h"

namespace metaProxyTest {

using namespace invokeTest;

using stringListT = prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>;
using objectListT = prxmObjListContainerTemplateC<prxMetaObjectBaseC>;

// Builds the method tables of every proxy class, which live until the end, so that a test
// can count the heap's blocks without them.
inline void buildTables() { proxyClassC::prepareAll(); }

// A document proxy that owns the tree read from text.
inline dispatchT documentOf(const char* text) { return dispatchT(new prxMetaObjectBaseC(treeTest::parse(text), 1)); }

// The root node a meta-object proxy wraps, asked through its native access interface.
inline metaTreeC* nodeOf(mzIDispatch* proxy) {
  void* base = nullptr;
  if (proxy->QueryInterface(mzIID_ProxyMetaBase, &base) != 0) return nullptr;
  metaTreeC* node = nullptr;
  static_cast<prxMetaBaseI*>(base)->getMetaObject(&node, 0);
  static_cast<prxMetaBaseI*>(base)->Release();
  return node;
}

// The child of a proxy's root node with the key word, as a view.
inline metaObjectC childView(mzIDispatch* proxy, const char* key) {
  return metaObjectC(metaObjectC(nodeOf(proxy), 0).findChild(key), 0);
}

inline dispatchT stringListOver(const metaObjectC& source) { return dispatchT(new stringListT(source)); }
inline dispatchT objectListOver(const metaObjectC& source, uint32_t readOnly = 0) {
  return dispatchT(new objectListT(source, readOnly));
}

// The compact text of a proxy's object alone.
inline std::string written(mzIDispatch* proxy) {
  return textOf(method(proxy, "writeToString", {number(1), number(0)}));
}

}  // namespace metaProxyTest
