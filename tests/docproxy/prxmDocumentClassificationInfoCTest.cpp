#include "docproxy/prxmDocumentClassificationInfoC.h"

#include <gtest/gtest.h>

#include "core/propertyValuePut.h"
#include "tests/docproxy/docProxyTestHelpers.h"
#include "tests/helpers/poolBalance.h"

using namespace docProxyTest;

namespace {

// Two entries: the first with a class identifier and its variable, the second under another
// key word and without NAME.
const char* const classifiedDocument =
    "DOC{DRWATTR{CLASSIFICATIONINFO{\""
    "LIST{DOCCLASSIFYINFO{NAME{\\\"din\\\"}DOCCLASSIFYIDLIST{DOCCLASSIFYIDINFO{CLASSID{\\\"c1\\\"}"
    "DOCCLASSIFYVARLIST{DOCCLASSIFYVARINFO{VALUE{\\\"5\\\"}TABVAR{\\\"t\\\"}VARID{\\\"v\\\"}}}}}}OTHER}"
    "\"}}}";

dispatchT itemOf(mzIDispatch* list, int index) { return objectOf(method(list, "Item", {number(index)})); }

}  // namespace

TEST(prxmDocumentClassificationInfoC, PublishesTheParsedEntriesReadOnly) {
  dispatchT doc = documentOf(classifiedDocument);
  std::string before = written(doc.get());
  dispatchT attributes = attributesOf(doc.get(), "DRWATTR");
  dispatchT list = objectOf(get(attributes.get(), "ClassificationInfo"));
  EXPECT_EQ(intOf(get(list.get(), "Count")), 2);
  for (const char* name : {"add", "RemoveAt"}) EXPECT_EQ(method(list.get(), name, {number(0)}).outcome, 1u);
  EXPECT_EQ(method(list.get(), "RemoveAll").outcome, 1u);

  dispatchT entry = itemOf(list.get(), 0);
  EXPECT_EQ(textOf(get(entry.get(), "Name")), "din");
  dispatchT classIds = objectOf(get(entry.get(), "ClassIdList"));
  dispatchT classId = objectOf(method(classIds.get(), "", {number(0)}));
  EXPECT_EQ(textOf(get(classId.get(), "ClassId")), "c1");
  dispatchT variable = itemOf(objectOf(get(classId.get(), "ClassVarList")).get(), 0);
  EXPECT_EQ(textOf(get(variable.get(), "VarId")), "v");
  EXPECT_EQ(textOf(get(variable.get(), "TabVar")), "t");
  EXPECT_EQ(textOf(get(variable.get(), "Value")), "5");
  EXPECT_EQ(textOf(get(variable.get(), "classkey")), "DOCCLASSIFYVARINFO");
  EXPECT_EQ(put(variable.get(), "Value", text("6")).outcome, 1u);

  // The class key is the view's; isValidClass looks at the node's own key word.
  dispatchT other = itemOf(list.get(), 1);
  EXPECT_EQ(textOf(get(other.get(), "classkey")), "DOCCLASSIFYINFO");
  EXPECT_EQ(intOf(method(other.get(), "isValidClass", {text("DOCCLASSIFYINFO")})), 0);
  EXPECT_EQ(intOf(method(other.get(), "isValidClass", {text("OTHER")})), 1);
  EXPECT_EQ(textOf(get(other.get(), "Name")), "");
  EXPECT_EQ(intOf(get(objectOf(get(other.get(), "ClassIdList")).get(), "Count")), 0);
  expectFailure(method(list.get(), "Item", {number(2)}), "container", "out of range");

  // The reads above created nodes in the private tree only.
  EXPECT_EQ(written(doc.get()), before);
}

TEST(prxmDocumentClassificationInfoC, KeepsItsPrivateTreeWhileAnythingBelowItLives) {
  buildTables();
  poolBalance balance;
  {
    dispatchT doc = documentOf(classifiedDocument);
    dispatchT attributes = attributesOf(doc.get(), "DRWATTR");
    dispatchT list = objectOf(get(attributes.get(), "ClassificationInfo"));
    dispatchT walk = objectOf(method(list.get(), "objEnum"));
    dispatchT classIds = objectOf(get(itemOf(list.get(), 0).get(), "ClassIdList"));

    // A new text does not change the list handed out; a new call parses it.
    putPropertyString(childView(attributes.get(), "CLASSIFICATIONINFO").getNode(), "L{A}");
    EXPECT_EQ(intOf(get(list.get(), "Count")), 2);
    EXPECT_EQ(intOf(get(objectOf(get(attributes.get(), "ClassificationInfo")).get(), "Count")), 1);

    list.release();
    doc.release();
    attributes.release();
    EXPECT_EQ(intOf(method(walk.get(), "nextItem")), 1);
    EXPECT_EQ(intOf(method(walk.get(), "nextItem")), 0);
    EXPECT_EQ(intOf(method(walk.get(), "isValid")), 1);
    EXPECT_EQ(intOf(method(objectOf(method(walk.get(), "getItem")).get(), "isValidClass", {text("OTHER")})), 1);
    EXPECT_EQ(textOf(get(itemOf(classIds.get(), 0).get(), "ClassId")), "c1");
  }
  balance.expectBalanced();
}

TEST(prxmDocumentClassificationInfoC, AnEmptyOrBrokenTextGivesAnEmptyList) {
  for (const char* document : {"DRWATTR", "DRWATTR{CLASSIFICATIONINFO{\"L{\"}}", "DRWATTR{CLASSIFICATIONINFO{3}}"}) {
    dispatchT attributes(new prxmDocumentAttrC(metaObjectC(treeTest::parse(document), 1)));
    dispatchT list = objectOf(get(attributes.get(), "ClassificationInfo"));
    EXPECT_EQ(intOf(get(list.get(), "Count")), 0) << document;
    EXPECT_EQ(intOf(get(list.get(), "ValidObj")), 0) << document;
    expectFailure(method(list.get(), "Item", {number(0)}), "container", "out of range");
  }
}
