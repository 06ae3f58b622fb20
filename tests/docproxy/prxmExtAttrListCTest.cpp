#include "docproxy/prxmExtAttrListC.h"

#include <gtest/gtest.h>

#include "tests/docproxy/docProxyTestHelpers.h"

using namespace docProxyTest;

TEST(prxmExtAttrListC, FindEntryTakesTheFirstNameEqualWithoutCase) {
  dispatchT doc = documentOf(
      "DOC{EXTATTRLIST{EXTATTRSTR{NAME{\"Size\"}VALUE{\"1\"}}EXTATTRVAL{NAME{\"SIZE\"}VALUE{2}}}}");
  dispatchT list(new prxmExtAttrListC(childView(doc.get(), "EXTATTRLIST")));
  dispatchT found = objectOf(method(list.get(), "FindEntry", {text("size")}));
  EXPECT_EQ(textOf(get(found.get(), "Name")), "Size");
  EXPECT_EQ(textOf(method(found.get(), "getValueAsString")), "1");
  invokeTest::callS none = method(list.get(), "FindEntry", {text("weight")});
  EXPECT_EQ(none.outcome, 0u);
  EXPECT_EQ(none.result.type, mzVariantS::typeEmpty);
  EXPECT_EQ(textOf(get(objectOf(method(list.get(), "Item", {number(1)})).get(), "Name")), "SIZE");
}

TEST(prxmExtAttrListC, TheLanguageDictionaryFindsListsByTheirExactLanguage) {
  dispatchT doc = documentOf("DOC{DRWATTR{EXTLANGATTR{NOTE}}}");
  dispatchT languages = objectOf(get(attributesOf(doc.get(), "DRWATTR").get(), "ExtAttrLanguageList"));
  EXPECT_STREQ(static_cast<proxyObjectC*>(languages.get())->getTypeName(),
               "class prxmObjDictionaryBaseTemplateC<class prxmExtAttrLanguageIdentC,class prxmExtAttrListC,"
               "class mExtAttrLanguageIdentC,class mExtAttrListC> *");
  EXPECT_EQ(intOf(get(languages.get(), "Count")), 0);

  dispatchT pair = objectOf(method(languages.get(), "add"));
  dispatchT key = objectOf(method(pair.get(), "Key", {text("de")}));
  EXPECT_EQ(textOf(method(key.get(), "")), "de");
  EXPECT_EQ(nodeOf(objectOf(method(languages.get(), "item", {text("de")})).get()), nodeOf(pair.get()));
  invokeTest::callS none = method(languages.get(), "item", {text("DE")});
  EXPECT_EQ(none.outcome, 0u);
  EXPECT_EQ(none.result.type, mzVariantS::typeEmpty);

  dispatchT data = objectOf(get(pair.get(), "Data"));
  EXPECT_EQ(intOf(get(data.get(), "Count")), 0);
  method(data.get(), "add", {text("EXTATTRVAR")});
  EXPECT_EQ(written(doc.get()), "DOC{DRWATTR{EXTLANGATTR{NOTE,PAIR{ATTRLANGIDENT{\"de\"}EXTATTRLIST{EXTATTRVAR}}}}}");
  EXPECT_EQ(intOf(get(languages.get(), "Count")), 1);
}
