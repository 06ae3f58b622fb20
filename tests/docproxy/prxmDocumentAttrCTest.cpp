#include "docproxy/prxmDocumentAttrC.h"

#include <gtest/gtest.h>

#include "tests/docproxy/docProxyTestHelpers.h"
#include "tests/helpers/poolBalance.h"

using namespace docProxyTest;

TEST(prxmDocumentAttrC, ReadsAndPutsTheTextsInFrontOfWhatTheyHeld) {
  dispatchT doc = documentOf("DOC{FGRATTR{AUTHOR{7}VERSION{\"1\"}}}");
  dispatchT attributes = attributesOf(doc.get(), "FGRATTR");
  EXPECT_EQ(textOf(get(attributes.get(), "classkey")), "FGRATTR");

  EXPECT_EQ(textOf(get(attributes.get(), "Desc")), "");
  EXPECT_EQ(written(attributes.get()), "FGRATTR{AUTHOR{7}VERSION{\"1\"}DESC}");
  EXPECT_EQ(textOf(get(attributes.get(), "Author")), "");
  EXPECT_EQ(objectOf(put(attributes.get(), "Author", text("ann"))).get(), attributes.get());
  EXPECT_EQ(textOf(get(attributes.get(), "Author")), "ann");

  dispatchT chained = objectOf(method(attributes.get(), "Company", {text("acme")}));
  method(chained.get(), "ChangeDate", {text("2024-01-02")});
  put(attributes.get(), "Desc", text("d"));
  EXPECT_EQ(textOf(get(attributes.get(), "ChangeDate")), "2024-01-02");

  expectFailure(put(attributes.get(), "Version", number(3)), "methode:Version(Para:1)", "Object call failed");
  EXPECT_EQ(textOf(get(attributes.get(), "Version")), "1");
  EXPECT_EQ(written(doc.get()),
            "DOC{FGRATTR{AUTHOR{\"ann\",7}VERSION{\"1\"}DESC{\"d\"}COMPANY{\"acme\"}CHANGEDATE{\"2024-01-02\"}}}");

  dispatchT empty(new prxmDocumentAttrC(metaObjectC()));
  EXPECT_EQ(textOf(get(empty.get(), "Author")), "");
  EXPECT_EQ(objectOf(put(empty.get(), "Author", text("x"))).get(), empty.get());
  EXPECT_EQ(intOf(get(objectOf(get(empty.get(), "NamePrefix")).get(), "Count")), 0);
  EXPECT_EQ(intOf(get(objectOf(get(empty.get(), "ExtAttrList")).get(), "ValidObj")), 0);
}

TEST(prxmDocumentAttrC, HandsOutListsOverTheBlocksChildrenThatOutliveTheDocument) {
  buildTables();
  poolBalance balance;
  {
    dispatchT doc = documentOf("DOC{DRWATTR}");
    dispatchT attributes = attributesOf(doc.get(), "DRWATTR");
    dispatchT prefixes = objectOf(get(attributes.get(), "NamePrefix"));
    dispatchT languages = objectOf(get(attributes.get(), "ExtAttrLanguageList"));
    dispatchT list = objectOf(get(attributes.get(), "ExtAttrList"));
    EXPECT_EQ(intOf(get(languages.get(), "Count")), 0);
    EXPECT_EQ(written(doc.get()), "DOC{DRWATTR{DOCNAMEPRE,EXTLANGATTR,EXTATTRLIST}}");

    EXPECT_EQ(objectOf(method(prefixes.get(), "Append", {text("AB")})).get(), prefixes.get());
    method(list.get(), "add", {text("EXTATTRSTR")});
    EXPECT_EQ(written(doc.get()), "DOC{DRWATTR{DOCNAMEPRE{\"AB\"}EXTLANGATTR,EXTATTRLIST{EXTATTRSTR}}}");

    // Released first, the document leaves its tree to the lists over it.
    doc.release();
    attributes.release();
    method(prefixes.get(), "Append", {text("CD")});
    EXPECT_EQ(textOf(method(prefixes.get(), "Item", {number(1)})), "CD");
    EXPECT_EQ(intOf(get(list.get(), "Count")), 1);
  }
  balance.expectBalanced();
}

TEST(prxmDocumentAttrC, GetExtAttrFallsBackToDefaultThenToThePlainList) {
  dispatchT doc = documentOf(
      "DOC{DRWATTR{EXTLANGATTR{"
      "PAIR{ATTRLANGIDENT{\"de\"}EXTATTRLIST{EXTATTRSTR{NAME{\"a\"}VALUE{\"de-a\"}}}}"
      "PAIR{ATTRLANGIDENT{\"default\"}EXTATTRLIST{EXTATTRSTR{NAME{\"a\"}VALUE{\"def-a\"}}EXTATTRSTR{NAME{\"b\"}VALUE{\"def-b\"}}}}}"
      "EXTATTRLIST{EXTATTRVAL{NAME{\"c\"}VALUE{2.5}}EXTATTRSTR{NAME{\"b\"}VALUE{\"plain-b\"}}}}}");
  dispatchT attributes = attributesOf(doc.get(), "DRWATTR");
  auto found = [&](const char* language, const char* name) {
    dispatchT entry = objectOf(method(attributes.get(), "GetExtAttr", {text(language), text(name)}));
    return intOf(get(entry.get(), "ValidObj")) ? textOf(method(entry.get(), "getValueAsString")) : std::string("none");
  };
  EXPECT_EQ(found("de", "A"), "de-a");
  EXPECT_EQ(found("fr", "a"), "def-a");
  EXPECT_EQ(found("DE", "a"), "def-a");
  EXPECT_EQ(found("de", "b"), "def-b");
  EXPECT_EQ(found("de", "c"), "2.5");
  EXPECT_EQ(found("de", "zz"), "none");
  expectFailure(method(attributes.get(), "GetExtAttr", {text("de"), number(1)}), "methode:GetExtAttr(Para:2)",
                "Object call failed");
}
