#include "proxy/prxmObjListContainerTemplateC.h"

#include <gtest/gtest.h>

#include "proxy/createListByName.h"
#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"

using namespace metaProxyTest;

TEST(prxmObjListContainerTemplateC, ANewObjectListAddsListsAndRemovesItems) {
  buildTables();
  poolBalance balance;
  {
    dispatchT list(createListByName("PRXMOBJECTLIST"));
    ASSERT_TRUE(list);
    EXPECT_EQ(textOf(get(list.get(), "classkey")), "OBJLIST");
    dispatchT name = objectOf(method(list.get(), "add", {text("NAME")}));
    EXPECT_EQ(textOf(get(name.get(), "classkey")), "NAME");
    method(list.get(), "add", {text("NOTE")});
    EXPECT_EQ(intOf(get(list.get(), "Count")), 2);
    EXPECT_EQ(textOf(get(objectOf(method(list.get(), "", {number(1)})).get(), "classkey")), "NOTE");
    invokeTest::callS beyond = method(list.get(), "Item", {number(2)});
    EXPECT_EQ(beyond.source, "container");
    EXPECT_EQ(beyond.description, "out of range");
    EXPECT_EQ(method(list.get(), "add", {number(4)}).outcome, 1u);

    EXPECT_EQ(intOf(method(list.get(), "RemoveAt", {number(5)})), 0);
    EXPECT_EQ(intOf(method(list.get(), "RemoveAt", {number(0)})), 1);
    EXPECT_EQ(intOf(get(list.get(), "Count")), 1);
    EXPECT_EQ(intOf(method(list.get(), "RemoveAll")), 1);
    EXPECT_EQ(intOf(get(list.get(), "Count")), 0);
    EXPECT_EQ(written(list.get()), "OBJLIST");
  }
  balance.expectBalanced();
}

TEST(prxmObjListContainerTemplateC, ItemsOfAnyKeyWordShareTheDocumentsNodes) {
  dispatchT doc = documentOf("DOC{ITEMS{A{1} \"s\" B{2}}}");
  dispatchT items = objectListOver(childView(doc.get(), "ITEMS"));
  EXPECT_EQ(intOf(get(items.get(), "Count")), 3);
  dispatchT second = objectOf(method(items.get(), "Item", {number(1)}));
  EXPECT_EQ(textOf(get(second.get(), "classkey")), "");
  EXPECT_EQ(written(second.get()).substr(0, 3), "\"s\"");
  dispatchT added = objectOf(method(items.get(), "add", {text("C")}));
  EXPECT_EQ(nodeOf(added.get())->parent, nodeOf(items.get()));
  EXPECT_EQ(written(doc.get()), "DOC{ITEMS{A{1}\"s\",B{2}C}}");

  // Read-only: the editing members are not there.
  dispatchT readOnly = objectListOver(childView(doc.get(), "ITEMS"), 1);
  EXPECT_EQ(intOf(get(readOnly.get(), "Count")), 4);
  EXPECT_EQ(method(readOnly.get(), "RemoveAll").outcome, 1u);
  EXPECT_EQ(method(readOnly.get(), "add", {text("D")}).outcome, 1u);
  dispatchT walk = objectOf(method(readOnly.get(), "objEnum"));
  EXPECT_EQ(written(objectOf(method(walk.get(), "getItem")).get()), "A{1}");
  EXPECT_STREQ(static_cast<proxyObjectC*>(readOnly.get())->getTypeName(),
               "class prxmObjListContainerTemplateC<class prxMetaObjectBaseC> *");
  EXPECT_STREQ(static_cast<proxyObjectC*>(walk.get())->getTypeName(), "class prxmObjEnumC<class prxMetaObjectBaseC> *");
}

TEST(prxmObjListContainerTemplateC, AListOverNothingIsEmptyAndIgnoresChanges) {
  dispatchT list = objectListOver(metaObjectC());
  EXPECT_EQ(intOf(get(list.get(), "Count")), 0);
  dispatchT added = objectOf(method(list.get(), "add", {text("X")}));
  EXPECT_EQ(intOf(get(added.get(), "ValidObj")), 0);
  EXPECT_EQ(intOf(get(list.get(), "Count")), 0);
  EXPECT_EQ(intOf(method(list.get(), "RemoveAll")), 1);
  EXPECT_EQ(intOf(method(list.get(), "RemoveAt", {number(0)})), 0);
  dispatchT walk = objectOf(method(list.get(), "objEnum"));
  EXPECT_EQ(intOf(method(walk.get(), "isValid")), 0);
  EXPECT_EQ(intOf(get(objectOf(method(walk.get(), "")).get(), "ValidObj")), 0);
}
