// Calls on the document proxies for the tests: tables built ahead of heap counts, numeric
// results, and the document nodes the proxies are made over.
#pragma once

#include <gtest/gtest.h>

#include "docproxy/prxmDocumentAttrC.h"
#include "docproxy/prxmDocumentClassificationIdInfoC.h"
#include "docproxy/prxmDocumentClassificationInfoC.h"
#include "docproxy/prxmDocumentClassificationVarInfoC.h"
#include "docproxy/prxmDocumentPrefsC.h"
#include "docproxy/prxmExtAttrLanguageDict.h"
#include "tests/proxy/metaProxyTestHelpers.h"

namespace docProxyTest {

using namespace metaProxyTest;

// The method tables live until the end; building them first keeps them out of heap counts.
inline void buildDocumentTables() { metaProxyTest::buildTables(); }

// A double result; -99 for a failed call or another type.
inline double doubleOf(const invokeTest::callS& done) {
  return done.outcome == 0 && done.result.type == mzVariantS::typeDouble ? done.result.doubleValue : -99.0;
}

inline invokeTest::callS put(mzIDispatch* object, const char* name, const mzVariantS& value) {
  return invokeTest::call(object, name, mzInvokePropertyPut, {value});
}

inline void expectFailure(const invokeTest::callS& done, const char* source, const char* description) {
  EXPECT_EQ(done.outcome, 1u);
  EXPECT_EQ(done.source, source);
  EXPECT_EQ(done.description, description);
}

// The attribute block of a document read from text, as the document families hand it out.
inline dispatchT attributesOf(mzIDispatch* doc, const char* key) {
  return dispatchT(new prxmDocumentAttrC(childView(doc, key)));
}

}  // namespace docProxyTest
