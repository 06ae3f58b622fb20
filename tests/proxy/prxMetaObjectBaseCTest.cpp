#include "proxy/prxMetaObjectBaseC.h"

#include <gtest/gtest.h>

#include "core/metaTreeC.h"
#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"
#include "tests/proxy/plainSlots.h"
#include "tests/testFiles.h"

using namespace metaProxyTest;
using treeTest::describe;

namespace {

using getMetaObjectFn = uint32_t (*)(void* self, metaTreeC** out, uint32_t copy);
using setMetaObjectFn = uint32_t (*)(void* self, metaTreeC* node, uint32_t copy);

}  // namespace

TEST(prxMetaObjectBaseC, WritesTheRootAloneOrWithItsSiblingsPrettyOrCompact) {
  dispatchT doc = documentOf("DOC{NAME{\"n\"}} MORE{1}");
  std::string plain = textOf(method(doc.get(), "writeToString"));
  EXPECT_EQ(plain, "DOC{\n\tNAME{\n\t\t\"n\"\n\t}\n}\n");
  EXPECT_EQ(textOf(method(doc.get(), "writeToString", {number(1), number(1)})), plain);
  EXPECT_EQ(textOf(method(doc.get(), "writeToString", {number(0), number(1)})), plain + "MORE{\n\t1\n}");
  EXPECT_EQ(textOf(method(doc.get(), "WRITETOSTRING", {number(0), number(0)})), "DOC{NAME{\"n\"}}MORE{1}");
  EXPECT_EQ(textOf(method(doc.get(), "writeToString", {number(1), number(0)})), "DOC{NAME{\"n\"}}");

  invokeTest::callS oneFlag = method(doc.get(), "writeToString", {number(1)});
  EXPECT_EQ(oneFlag.outcome, 1u);
  EXPECT_EQ(oneFlag.source, "methode:writeToString");
  EXPECT_EQ(oneFlag.description, "Object call failed");
  invokeTest::callS textFlags = method(doc.get(), "writeToString", {text("a"), number(0)});
  EXPECT_EQ(textFlags.outcome, 1u);
  EXPECT_EQ(textFlags.source, "methode:writeToString(Para:1)");

  testFiles::scratchFile file("doc.txt");
  EXPECT_EQ(intOf(method(doc.get(), "writeToFile", {text(file.path())})), 1);
  EXPECT_EQ(testFiles::readBytes(file.path()), "DOC{\r\n\tNAME{\r\n\t\t\"n\"\r\n\t}\r\n}\r\n");
  EXPECT_EQ(intOf(method(doc.get(), "writeToFile", {text(file.path()), number(0)})), 1);
  EXPECT_NE(testFiles::readBytes(file.path()).find("}\r\nMORE{"), std::string::npos);
  EXPECT_EQ(intOf(method(doc.get(), "writeToFile", {text(file.path()), number(1), number(0)})), 1);
  EXPECT_EQ(testFiles::readBytes(file.path()), "DOC{NAME{\"n\"}}");
  EXPECT_EQ(intOf(method(doc.get(), "writeToFile", {text("/nonexistent-folder/x.txt")})), 0);
  EXPECT_EQ(method(doc.get(), "writeToFile", {number(3)}).outcome, 1u);
}

TEST(prxMetaObjectBaseC, AnswersTheCommonMembers) {
  dispatchT doc = documentOf("DOC{NAME{\"n\"}}");
  EXPECT_EQ(textOf(get(doc.get(), "classkey")), "DOC");
  EXPECT_EQ(intOf(get(doc.get(), "ValidObj")), 1);
  EXPECT_EQ(intOf(method(doc.get(), "isValidClass", {text("DOC")})), 1);
  EXPECT_EQ(intOf(method(doc.get(), "isValidClass", {text("doc")})), 0);
  dispatchT node = objectOf(get(doc.get(), "This"));
  ASSERT_TRUE(node);
  EXPECT_EQ(textOf(method(node.get(), "getNameToken")), "DOC");
  invokeTest::callS factory = get(doc.get(), "Factory");
  EXPECT_EQ(factory.outcome, 0u);

  auto* proxy = new prxMetaObjectBaseC(metaObjectC(nodeOf(doc.get()), 0));
  dispatchT view(proxy);
  EXPECT_STREQ(proxy->getTypeName(), "class prxMetaObjectBaseTemplateC<class metaObjectC> *");
  EXPECT_EQ(proxy->getMetaObjectNode(), nodeOf(doc.get()));
  EXPECT_EQ(proxy->getNativePointer(), static_cast<void*>(proxy));
  // A non-owning source is shared: a change through one is seen through the other.
  metaObjectC(proxy->getMetaObjectNode(), 0).setStringAttribute("NAME", "changed");
  EXPECT_EQ(written(doc.get()), "DOC{NAME{\"changed\"}}");

  // Copies of an owning source are trees of their own.
  metaObjectC owner(treeTest::parse("A{B}"), 1);
  dispatchT first(new prxMetaObjectBaseC(owner));
  dispatchT second(new prxMetaObjectBaseC(owner));
  EXPECT_NE(nodeOf(first.get()), nodeOf(second.get()));
  EXPECT_NE(nodeOf(first.get()), owner.node);
}

TEST(prxMetaObjectBaseC, AnEmptyHandleIsAValidProxyOverNothing) {
  dispatchT empty(new prxMetaObjectBaseC());
  EXPECT_EQ(intOf(get(empty.get(), "ValidObj")), 0);
  EXPECT_EQ(textOf(get(empty.get(), "classkey")), "");
  EXPECT_EQ(textOf(method(empty.get(), "writeToString")), "");
  EXPECT_EQ(textOf(method(empty.get(), "writeToString", {number(0), number(0)})), "");
  testFiles::scratchFile file("empty.txt");
  EXPECT_EQ(intOf(method(empty.get(), "writeToFile", {text(file.path())})), 0);
  EXPECT_EQ(intOf(method(empty.get(), "isValidClass", {text("")})), 0);
  EXPECT_EQ(intOf(method(empty.get(), "makeSingleObject")), 0);
  EXPECT_EQ(intOf(method(objectOf(get(empty.get(), "This")).get(), "isValid")), 0);
}

TEST(prxMetaObjectBaseC, SharesOrCopiesItsTreeThroughTheNativeAccessInterface) {
  buildTables();
  poolBalance balance;
  {
    dispatchT doc = documentOf("DOC{A{\"a\"}} NEXT");
    void* raw = nullptr;
    ASSERT_EQ(doc->QueryInterface(mzIIDS("RUDEZAZE.ProxyMetaBaseIface"), &raw), 0u);
    auto* base = static_cast<prxMetaBaseI*>(raw);
    void* back = nullptr;
    ASSERT_EQ(base->QueryInterface(mzIID_IDispatch, &back), 0u);
    EXPECT_EQ(back, static_cast<void*>(doc.get()));
    static_cast<mzIDispatch*>(back)->Release();

    // Through the slots as a host compiled elsewhere calls them.
    metaTreeC* shared = nullptr;
    EXPECT_EQ(plainSlots::slot<getMetaObjectFn>(raw, 3)(raw, &shared, 0), 0u);
    EXPECT_EQ(describe(shared), "W:DOC{W:A{S:\"a\"}} W:NEXT");
    metaTreeC* copy = nullptr;
    EXPECT_EQ(plainSlots::slot<getMetaObjectFn>(raw, 3)(raw, &copy, 1), 0u);
    EXPECT_NE(copy, shared);
    EXPECT_EQ(describe(copy), describe(shared));

    // Shared: the proxy wraps the node itself, which stays its owner's.
    {
      metaObjectC other(treeTest::parse("OTHER{X}"), 1);
      EXPECT_EQ(plainSlots::slot<setMetaObjectFn>(raw, 4)(raw, other.node, 0), 0u);
      EXPECT_EQ(nodeOf(doc.get()), other.node);
      EXPECT_EQ(textOf(get(doc.get(), "classkey")), "OTHER");
      EXPECT_EQ(base->setMetaObject(nullptr, 0), 0u);
    }
    EXPECT_EQ(intOf(get(doc.get(), "ValidObj")), 0);

    // Copied, also from a node of the proxy's own tree, which goes once the copy is made.
    EXPECT_EQ(base->setMetaObject(copy, 1), 0u);
    metaTreeC::deleteTree(copy);
    EXPECT_EQ(textOf(method(doc.get(), "writeToString", {number(0), number(0)})), "DOC{A{\"a\"}}NEXT");
    EXPECT_EQ(base->setMetaObject(nodeOf(doc.get())->firstChild, 1), 0u);
    EXPECT_EQ(written(doc.get()), "A{\"a\"}");
    base->Release();
  }
  balance.expectBalanced();
}

TEST(prxMetaObjectBaseC, MakeSingleObjectTakesTheNodeOutOfItsTree) {
  buildTables();
  poolBalance balance;
  {
    dispatchT doc = documentOf("DOC{ITEMS{A B}} SIBLING{S}");
    dispatchT items = objectListOver(childView(doc.get(), "ITEMS"));
    dispatchT first = objectOf(method(items.get(), "Item", {number(0)}));
    EXPECT_EQ(intOf(method(first.get(), "makeSingleObject")), 1);
    EXPECT_EQ(intOf(get(items.get(), "Count")), 1);
    EXPECT_EQ(written(first.get()), "A");
    EXPECT_EQ(written(doc.get()), "DOC{ITEMS{B}}");

    // A root with following siblings: they are freed, not left to nobody.
    EXPECT_EQ(intOf(method(doc.get(), "makeSingleObject")), 1);
    EXPECT_EQ(textOf(method(doc.get(), "writeToString", {number(0), number(0)})), "DOC{ITEMS{B}}");
  }
  balance.expectBalanced();
}
