// How long the nodes behind meta-object proxies live: a proxy over a node of a document
// keeps the document; a proxy over a removed or replaced node keeps that node; the last
// proxy to go frees what is left. The heap is churned in between, so that a node freed too
// early would be reused and read wrong.
#include "proxy/prxMetaObjectBaseTemplateC.h"

#include <gtest/gtest.h>

#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"

using namespace metaProxyTest;

namespace {

constexpr const char* documentText = "DOC{PREFS{UNIT{\"mm\"}} ITEMS{A{\"1\"} B{\"2\"} C{\"3\"}} NAMES{\"x\",\"y\"}} TAIL";

void churnHeap() {
  for (int i = 0; i < 20; ++i) delete treeTest::parse("X{Y{Z{\"filler\"}} W{\"more filler\"} V{1,2,3}} U");
}

std::string nameToken(mzIDispatch* node) { return textOf(method(node, "getNameToken")); }

}  // namespace

TEST(prxMetaObjectBaseTemplateC, ProxiesOverPartsOfADocumentKeepTheWholeDocument) {
  buildTables();
  poolBalance balance;
  {
    dispatchT doc = documentOf(documentText);
    dispatchT items = objectListOver(childView(doc.get(), "ITEMS"));
    dispatchT names = stringListOver(childView(doc.get(), "NAMES"));
    dispatchT first = objectOf(method(items.get(), "Item", {number(0)}));
    dispatchT walk = objectOf(method(items.get(), "objEnum"));
    // A chain of temporaries: the document proxy goes at once.
    dispatchT prefs = getObject(getObject(documentOf(documentText).get(), "This").get(), "DownNode");
    doc.release();
    churnHeap();

    EXPECT_EQ(intOf(get(items.get(), "Count")), 3);
    EXPECT_EQ(written(first.get()), "A{\"1\"}");
    EXPECT_EQ(textOf(method(names.get(), "Item", {number(1)})), "y");
    EXPECT_EQ(intOf(method(walk.get(), "nextItem")), 1);
    EXPECT_EQ(written(objectOf(method(walk.get(), "getItem")).get()), "B{\"2\"}");
    EXPECT_EQ(nameToken(prefs.get()), "PREFS");
    EXPECT_EQ(nameToken(getObject(getObject(prefs.get(), "DownNode").get(), "DownNode").get()), "");
    EXPECT_EQ(nameToken(getObject(prefs.get(), "ParentNode").get()), "DOC");
    EXPECT_EQ(nameToken(getObject(getObject(prefs.get(), "ParentNode").get(), "NextNode").get()), "TAIL");
    // The first item's document is whole: from the item up to the root and across.
    dispatchT itemNode = getObject(first.get(), "This");
    EXPECT_EQ(nameToken(getObject(getObject(itemNode.get(), "ParentNode").get(), "PrevNode").get()), "PREFS");

    method(items.get(), "add", {text("D")});
    EXPECT_EQ(intOf(get(objectOf(method(walk.get(), "getItem")).get(), "ValidObj")), 1);
  }
  balance.expectBalanced();
}

TEST(prxMetaObjectBaseTemplateC, RemovedItemsKeepWorkingOutsideTheList) {
  buildTables();
  poolBalance balance;
  {
    dispatchT doc = documentOf(documentText);
    dispatchT items = objectListOver(childView(doc.get(), "ITEMS"));
    dispatchT a = objectOf(method(items.get(), "Item", {number(0)}));
    dispatchT b = objectOf(method(items.get(), "Item", {number(1)}));
    dispatchT value = getObject(getObject(a.get(), "This").get(), "DownNode");
    dispatchT walk = objectOf(method(items.get(), "objEnum"));

    EXPECT_EQ(intOf(method(items.get(), "RemoveAt", {number(0)})), 1);
    churnHeap();
    EXPECT_EQ(intOf(get(items.get(), "Count")), 2);
    EXPECT_EQ(written(a.get()), "A{\"1\"}");
    EXPECT_EQ(textOf(method(value.get(), "getStringToken")), "1");
    EXPECT_EQ(intOf(method(getObject(getObject(a.get(), "This").get(), "ParentNode").get(), "isValid")), 0);
    // The walk stood on the removed item: it has nowhere to go.
    EXPECT_EQ(intOf(method(walk.get(), "nextItem")), 0);
    EXPECT_EQ(written(objectOf(method(walk.get(), "getItem")).get()), "A{\"1\"}");

    EXPECT_EQ(intOf(method(items.get(), "RemoveAll")), 1);
    churnHeap();
    EXPECT_EQ(intOf(get(items.get(), "Count")), 0);
    EXPECT_EQ(written(b.get()), "B{\"2\"}");
    EXPECT_EQ(textOf(method(doc.get(), "writeToString", {number(1), number(0)})),
              "DOC{PREFS{UNIT{\"mm\"}}ITEMS,NAMES{\"x\",\"y\"}}");

    // A removed item may be taken over; it then lives as long as its proxy.
    EXPECT_EQ(intOf(method(b.get(), "makeSingleObject")), 1);
    doc.release();
    items.release();
    churnHeap();
    EXPECT_EQ(written(b.get()), "B{\"2\"}");
  }
  balance.expectBalanced();
}

TEST(prxMetaObjectBaseTemplateC, ATreeReplacedUnderItsProxiesStaysForThem) {
  buildTables();
  poolBalance balance;
  {
    dispatchT doc = documentOf(documentText);
    dispatchT items = objectListOver(childView(doc.get(), "ITEMS"));
    dispatchT c = objectOf(method(items.get(), "Item", {number(2)}));
    dispatchT root = getObject(doc.get(), "This");
    metaTreeC* oldItems = nodeOf(items.get());

    void* raw = nullptr;
    ASSERT_EQ(doc->QueryInterface(mzIID_ProxyMetaBase, &raw), 0u);
    auto* base = static_cast<prxMetaBaseI*>(raw);
    metaObjectC replacement(treeTest::parse("NEW{ITEMS{N}}"), 1);
    base->setMetaObject(replacement.node, 1);
    churnHeap();
    EXPECT_EQ(textOf(get(doc.get(), "classkey")), "NEW");
    EXPECT_EQ(intOf(get(items.get(), "Count")), 3);
    EXPECT_EQ(written(c.get()), "C{\"3\"}");
    EXPECT_EQ(nameToken(getObject(root.get(), "NextNode").get()), "TAIL");

    // Sharing a node of the old tree keeps it in that tree.
    base->setMetaObject(oldItems, 0);
    EXPECT_EQ(textOf(get(doc.get(), "classkey")), "ITEMS");
    EXPECT_EQ(nameToken(getObject(getObject(doc.get(), "This").get(), "ParentNode").get()), "DOC");
    base->Release();
    root.release();
    items.release();
    c.release();
    churnHeap();
    EXPECT_EQ(intOf(get(doc.get(), "Count")), -99);  // a plain proxy has no Count
    EXPECT_EQ(written(doc.get()), "ITEMS{A{\"1\"}B{\"2\"}C{\"3\"}}");
  }
  balance.expectBalanced();
}
