// The document proxies for their tests: their headers, and the attribute block of a document
// read from text that they are made over.
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

// The attribute block of a document read from text, as the document families hand it out.
inline dispatchT attributesOf(mzIDispatch* doc, const char* key) {
  return dispatchT(new prxmDocumentAttrC(childView(doc, key)));
}

}  // namespace docProxyTest
