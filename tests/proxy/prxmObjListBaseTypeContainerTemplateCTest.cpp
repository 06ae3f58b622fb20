#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"

#include <gtest/gtest.h>

#include "proxy/createListByName.h"
#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"

using namespace metaProxyTest;

namespace {

dispatchT listByName(const char* name) { return dispatchT(createListByName(name)); }

}  // namespace

TEST(prxmObjListBaseTypeContainerTemplateC, ANewStringListAppendsReadsReplacesAndRemoves) {
  buildTables();
  poolBalance balance;
  {
    dispatchT list = listByName("PrxmStringList");
    ASSERT_TRUE(list);
    EXPECT_EQ(textOf(get(list.get(), "classkey")), "STRLIST");
    EXPECT_EQ(intOf(method(list.get(), "isValidClass", {text("STRLIST")})), 1);
    EXPECT_EQ(intOf(get(list.get(), "Count")), 0);

    dispatchT same = objectOf(method(list.get(), "Append", {text("a")}));
    EXPECT_EQ(same.get(), list.get());
    EXPECT_EQ(intOf(get(list.get(), "Count")), 1);
    EXPECT_EQ(textOf(method(list.get(), "Item", {number(0)})), "a");
    expectOutOfRange(method(list.get(), "Item", {number(1)}));
    expectOutOfRange(method(list.get(), "Item", {number(-1)}));
    EXPECT_EQ(method(list.get(), "Append", {number(1)}).outcome, 1u);  // numbers are not texts

    method(list.get(), "Append", {text("b")});
    EXPECT_EQ(textOf(method(list.get(), "", {number(1)})), "b");
    EXPECT_EQ(textOf(invokeTest::call(list.get(), "Item", mzInvokePropertyPut, {number(1), text("c")})), "c");
    EXPECT_EQ(textOf(invokeTest::call(list.get(), "Item", mzInvokePropertyPut, {number(2), text("x")})), "");
    EXPECT_EQ(textOf(method(list.get(), "writeToString", {number(1), number(0)})), "STRLIST{\"a\",\"c\"}");

    EXPECT_EQ(intOf(method(list.get(), "RemoveAt", {number(2)})), 0);
    EXPECT_EQ(intOf(method(list.get(), "RemoveAt", {number(-1)})), 0);
    EXPECT_EQ(intOf(method(list.get(), "RemoveAt", {number(0)})), 1);
    EXPECT_EQ(textOf(method(list.get(), "Item", {number(0)})), "c");
    EXPECT_EQ(objectOf(method(list.get(), "RemoveAll")).get(), list.get());
    EXPECT_EQ(intOf(get(list.get(), "Count")), 0);
    EXPECT_FALSE(listByName("prxmstringlists"));
    EXPECT_FALSE(listByName(nullptr));
  }
  balance.expectBalanced();
}

TEST(prxmObjListBaseTypeContainerTemplateC, AListOverADocumentChangesTheDocument) {
  dispatchT doc = documentOf("DOC{NAMES{\"x\",W,2,\"y\"}}");
  dispatchT names = stringListOver(childView(doc.get(), "NAMES"));
  EXPECT_EQ(intOf(get(names.get(), "Count")), 4);
  EXPECT_EQ(textOf(method(names.get(), "Item", {number(1)})), "W");
  EXPECT_EQ(textOf(method(names.get(), "Item", {number(2)})), "");  // a number is no text
  method(names.get(), "Append", {text("z")});
  invokeTest::call(names.get(), "Item", mzInvokePropertyPut, {number(2), text("two")});
  EXPECT_EQ(written(doc.get()), "DOC{NAMES{\"x\",W,\"two\",\"y\",\"z\"}}");

  // A list made from an owning object works on its own copy.
  metaObjectC owner(treeTest::parse("L{\"p\"}"), 1);
  dispatchT copy = stringListOver(owner);
  method(copy.get(), "RemoveAll");
  EXPECT_EQ(metaObjectC(owner).childCount(), 1u);
}

TEST(prxmObjListBaseTypeContainerTemplateC, AListOverNothingIsEmptyAndIgnoresChanges) {
  dispatchT list = stringListOver(metaObjectC());
  EXPECT_EQ(intOf(get(list.get(), "Count")), 0);
  EXPECT_EQ(objectOf(method(list.get(), "Append", {text("a")})).get(), list.get());
  EXPECT_EQ(intOf(get(list.get(), "Count")), 0);
  expectOutOfRange(method(list.get(), "Item", {number(0)}));
  EXPECT_EQ(textOf(invokeTest::call(list.get(), "Item", mzInvokePropertyPut, {number(0), text("x")})), "");
  EXPECT_EQ(intOf(method(list.get(), "RemoveAt", {number(0)})), 0);
  EXPECT_EQ(objectOf(method(list.get(), "RemoveAll")).get(), list.get());
  EXPECT_STREQ(static_cast<proxyObjectC*>(list.get())->getTypeName(),
               "class prxmObjListBaseTypeContainerTemplateC<class str,class metaObjListStrContainerC> *");
}
