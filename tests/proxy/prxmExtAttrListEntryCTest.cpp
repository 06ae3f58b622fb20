// The extended-attribute proxies as scripts call them.
#include <gtest/gtest.h>

#include "proxy/prxmExtAttrListEntryStrC.h"
#include "proxy/prxmExtAttrListEntryValC.h"
#include "proxy/prxmExtAttrListEntryVarC.h"
#include "tests/proxy/metaProxyTestHelpers.h"

using namespace metaProxyTest;

namespace {

template <class proxyT>
dispatchT attributeProxy(const char* text) {
  return dispatchT(new proxyT(metaObjectC(treeTest::parse(text), 1)));
}

TEST(prxmExtAttrListEntryC, AStringAttributeAnswersValueThenTheEntryThenTheCommonMembers) {
  dispatchT attribute = attributeProxy<prxmExtAttrListEntryStrC>("EXTATTRSTR{NAME{\"n\"}VALUE{\"v\"}}");
  EXPECT_STREQ(static_cast<proxyObjectC*>(attribute.get())->getTypeName(), "class prxmExtAttrListEntryStrC *");
  EXPECT_EQ(textOf(get(attribute.get(), "Value")), "v");
  EXPECT_EQ(textOf(method(attribute.get(), "getValueAsString")), "v");
  EXPECT_EQ(textOf(get(attribute.get(), "Name")), "n");
  EXPECT_EQ(textOf(get(attribute.get(), "classkey")), "EXTATTRSTR");

  // A put gives the proxy itself, so calls chain.
  dispatchT chained = objectOf(put(attribute.get(), "Name", mzVariantS("m")));
  EXPECT_EQ(chained.get(), attribute.get());
  EXPECT_EQ(objectOf(method(chained.get(), "Value", {mzVariantS("w")})).get(), attribute.get());
  // Reading the missing description creates its node.
  EXPECT_EQ(textOf(get(attribute.get(), "Desc")), "");
  EXPECT_EQ(written(attribute.get()), "EXTATTRSTR{NAME{\"m\"}VALUE{\"w\"}DESC}");

  invokeTest::callS number = put(attribute.get(), "Value", invokeTest::number(3));
  EXPECT_EQ(number.outcome, 1u);
  EXPECT_EQ(number.source, "methode:Value(Para:1)");
  EXPECT_EQ(textOf(get(attribute.get(), "Value")), "w");
}

TEST(prxmExtAttrListEntryC, ANumberAttributeTakesNumbersOnly) {
  dispatchT attribute = attributeProxy<prxmExtAttrListEntryValC>("EXTATTRVAL{NAME{\"n\"}}");
  EXPECT_STREQ(static_cast<proxyObjectC*>(attribute.get())->getTypeName(), "class prxmExtAttrListEntryValC *");
  EXPECT_EQ(get(attribute.get(), "Value").result.doubleValue, 0.0);
  EXPECT_EQ(objectOf(put(attribute.get(), "Value", invokeTest::doubleValue(2.5))).get(), attribute.get());
  EXPECT_EQ(textOf(method(attribute.get(), "getValueAsString")), "2.5");
  EXPECT_EQ(put(attribute.get(), "Value", mzVariantS("3")).source, "methode:Value(Para:1)");
  EXPECT_EQ(get(attribute.get(), "Value").result.doubleValue, 2.5);
}

TEST(prxmExtAttrListEntryC, AVariableAttributeHasAValueAndAType) {
  dispatchT attribute = attributeProxy<prxmExtAttrListEntryVarC>("EXTATTRVAR{VALUE{\"1\"}}");
  EXPECT_STREQ(static_cast<proxyObjectC*>(attribute.get())->getTypeName(), "class prxmExtAttrListEntryVarC *");
  EXPECT_EQ(objectOf(method(attribute.get(), "Type", {mzVariantS("int")})).get(), attribute.get());
  EXPECT_EQ(textOf(get(attribute.get(), "Type")), "int");
  EXPECT_EQ(textOf(method(attribute.get(), "getValueAsString")), "1");
  put(attribute.get(), "Desc", mzVariantS("d"));
  EXPECT_EQ(written(attribute.get()), "EXTATTRVAR{VALUE{\"1\"}TYPE{\"int\"}DESC{\"d\"}}");
}

TEST(prxmExtAttrListEntryC, TheEntryAnswersByTheNodesKind) {
  dispatchT entry(new prxmExtAttrListEntryC(metaObjectC(treeTest::parse("EXTATTRVAL{VALUE{1.5}}"), 1)));
  EXPECT_STREQ(static_cast<proxyObjectC*>(entry.get())->getTypeName(), "class prxmExtAttrListEntryC *");
  EXPECT_EQ(textOf(method(entry.get(), "getValueAsString")), "1.5");
  EXPECT_EQ(method(entry.get(), "Value").outcome, 1u);

  dispatchT unknownKind(new prxmExtAttrListEntryC(metaObjectC(treeTest::parse("NOTE{VALUE{\"x\"}}"), 1)));
  EXPECT_EQ(textOf(method(unknownKind.get(), "getValueAsString")), "");
}

TEST(prxmExtAttrListEntryC, WithoutANodeReadsAreEmptyAndPutsDoNothing) {
  dispatchT empty(new prxmExtAttrListEntryVarC(metaObjectC()));
  EXPECT_EQ(textOf(get(empty.get(), "Value")), "");
  EXPECT_EQ(textOf(get(empty.get(), "Name")), "");
  EXPECT_EQ(textOf(method(empty.get(), "getValueAsString")), "");
  EXPECT_EQ(objectOf(put(empty.get(), "Type", mzVariantS("t"))).get(), empty.get());
  EXPECT_EQ(textOf(get(empty.get(), "Type")), "");
  EXPECT_EQ(intOf(get(empty.get(), "ValidObj")), 0);

  dispatchT number(new prxmExtAttrListEntryValC(metaObjectC()));
  EXPECT_EQ(get(number.get(), "Value").result.doubleValue, 0.0);
}

}  // namespace
