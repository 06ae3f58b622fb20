// Plug-in interface descriptions as a host reaches them: made, filled, tested and converted
// through calls by name on the plug-in description factory.
#include <gtest/gtest.h>

#include <string>

#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"

using namespace metaProxyTest;

namespace {

class dllIfaceTest : public poolBalancedTest {
 protected:
  dispatchT factory = factoryOf("rudezaze.mdllifacefactory");
  dispatchT mof = factoryOf("rudezaze.metaobjectfactory");

  dispatchT fromText(const char* treeText) { return callObject(mof.get(), "createFromString", {text(treeText)}); }
};

}  // namespace

TEST_F(dllIfaceTest, DescriptionsHoldInfoAndPairsInTheOrderOfFirstUse) {
  dispatchT iface = callObject(factory.get(), "createdlliface");
  EXPECT_EQ(written(iface.get()), "DLLIFACE");
  dispatchT info = getObject(iface.get(), "Info");
  EXPECT_EQ(callObject(info.get(), "Name", {text("n")}).get(), info.get());
  dispatchT pair = callObject(getObject(iface.get(), "IOPairs").get(), "add");
  EXPECT_EQ(written(iface.get()), "DLLIFACE{INFO{NAME{\"n\"}}IOPAIRS{IOPAIR}}");

  EXPECT_EQ(objectOf(put(info.get(), "Version", text("2"))).get(), info.get());
  callObject(callObject(info.get(), "Desc", {text("d")}).get(), "Date", {text("today")});
  EXPECT_EQ(textOf(get(info.get(), "Version")), "2");
  EXPECT_EQ(written(info.get()), "INFO{NAME{\"n\"}VERSION{\"2\"}DESC{\"d\"}DATE{\"today\"}}");
  expectFailure(put(info.get(), "Name", number(1)), "methode:Name(Para:1)", "Object call failed");

  // A number where a text belongs reads "" and stays.
  dispatchT read = callObject(factory.get(), "todlliface", {objectValue(fromText("DLLIFACE{INFO{NAME{3}}}").get())});
  dispatchT readInfo = getObject(read.get(), "Info");
  EXPECT_EQ(textOf(get(readInfo.get(), "Name")), "");
  EXPECT_EQ(objectOf(put(readInfo.get(), "Name", text("x"))).get(), readInfo.get());
  EXPECT_EQ(written(read.get()), "DLLIFACE{INFO{NAME{3}}}");

  dispatchT pairs = getObject(iface.get(), "IOPairs");
  EXPECT_EQ(intOf(get(pairs.get(), "Count")), 1);
  expectFailure(method(pairs.get(), "Item", {number(1)}), "container", "out of range");
  const struct {
    dispatchT object;
    const char* typeName;
    const char* factoryTypeName;
  } objects[] = {
      {iface, "class prxDllIfaceC *", "class prxDllIfaceFactoryC *"},
      {info, "class prxDllIfaceInfoC *", "class prxDllIfaceFactoryC *"},
      {pair, "class prxDllIfaceIOPairC *", "class prxDllIfaceFactoryC *"},
      {pairs, "class prxmObjListObjTypeContainerTemplateC<class prxDllIfaceIOPairC,class mIoPairC> *",
       "class prxMetaObjectFactoryC *"},
  };
  for (const auto& each : objects) {
    EXPECT_EQ(typeNameOf(each.object.get()), each.typeName);
    EXPECT_EQ(typeNameOf(getObject(each.object.get(), "Factory").get()), each.factoryTypeName) << each.typeName;
  }
  EXPECT_NE(getObject(iface.get(), "Factory").get(), getObject(iface.get(), "Factory").get());
  EXPECT_EQ(typeNameOf(callObject(pairs.get(), "objEnum").get()), "class prxmObjEnumC<class prxDllIfaceIOPairC> *");
}

TEST_F(dllIfaceTest, TestsAskTheClassKeyAndConversionsShareInnerNodesAndCopyRoots) {
  dispatchT iface = callObject(factory.get(), "createdlliface");
  EXPECT_EQ(intOf(method(factory.get(), "isdlliface", {objectValue(iface.get())})), 1);
  const struct {
    const char* member;
    mzVariantS argument;
    int32_t expected;
  } tests[] = {
      {"isdlliface", objectValue(fromText("dlliface").get()), 0},
      {"isdlliface", number(5), 0},
      {"isdlliface", text("DLLIFACE"), 0},
      {"isexecio", objectValue(fromText("IFACEEXEIO").get()), 1},
      {"isexecio", objectValue(iface.get()), 0},
      {"isexecio", number(5), 0},
  };
  for (const auto& each : tests) EXPECT_EQ(intOf(method(factory.get(), each.member, {each.argument})), each.expected) << each.member;
  for (const mzVariantS& argument : {number(5), text("DLLIFACE"), objectValue(fromText("IFACEEXEIO").get())})
    expectEmptyResult(method(factory.get(), "todlliface", {argument}));

  metaProxyTest::buildTables();
  poolBalance balance;
  {
    // A root is converted as a copy.
    dispatchT copy = callObject(factory.get(), "todlliface", {objectValue(iface.get())});
    callObject(getObject(copy.get(), "Info").get(), "Name", {text("copy")});
    EXPECT_EQ(written(iface.get()), "DLLIFACE");
    expectFailure(put(copy.get(), "Name", text("n")), "methode:Name", "Object call failed");

    // A description inside a larger tree is shared, and keeps that tree.
    dispatchT outer = callObject(mof.get(), "toobjectList", {objectValue(fromText("RECORD{DATA,DLLIFACE}").get())});
    dispatchT inner = callObject(factory.get(), "todlliface", {objectValue(callObject(outer.get(), "Item", {number(1)}).get())});
    ASSERT_EQ(typeNameOf(inner.get()), "class prxDllIfaceC *");
    dispatchT info = getObject(inner.get(), "Info");
    callObject(info.get(), "Name", {text("n")});
    EXPECT_EQ(written(outer.get()), "RECORD{DATA,DLLIFACE{INFO{NAME{\"n\"}}}}");
    outer.release();
    callObject(info.get(), "Name", {text("m")});
    EXPECT_EQ(written(inner.get()), "DLLIFACE{INFO{NAME{\"m\"}}}");
    EXPECT_EQ(textOf(get(callObject(getObject(info.get(), "Factory").get(), "todlliface",
                                    {objectValue(inner.get())}).get(), "classkey")),
              "DLLIFACE");
  }
  balance.expectBalanced();
}
