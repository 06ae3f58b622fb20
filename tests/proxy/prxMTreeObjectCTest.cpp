#include <gtest/gtest.h>

#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"
#include "mzcom/mzIIDConstants.h"
#include "proxy/prxMTreeObjectC.h"
#include "tests/helpers/fakeScriptObjects.h"
#include "tests/helpers/scriptCalls.h"

using invokeTest::call;
using invokeTest::callS;
using invokeTest::getObject;
using invokeTest::number;
using invokeTest::objectOf;
using invokeTest::textOf;

namespace {

// Owns a tree read from text and deletes it with its last reference, as a document would.
class treeKeeperC final : public mzIUnknown {
 public:
  explicit treeKeeperC(const char* text) {
    metaTreeReaderC reader;
    reader.openString(text);
    root = reader.read(0);
  }

  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (!iid.isEqual(mzIID_IUnknown)) return 2;
    AddRef();
    *out = static_cast<mzIUnknown*>(this);
    return 0;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override {
    uint32_t count = --references;
    if (count == 0) {
      *treeDeleted = true;
      delete root;
      delete this;
    }
    return count;
  }

  metaTreeC* root = nullptr;
  uint32_t references = 1;
  bool* treeDeleted = nullptr;
};

int32_t test(mzIDispatch* node, const char* name) { return call(node, name, mzInvokeMethod).result.intValue; }

std::string text(mzIDispatch* node, const char* name) { return textOf(call(node, name, mzInvokeMethod).result); }

mzSmartPtr<mzIDispatch> proxyOver(metaTreeC* node, mzIUnknown* keeper) {
  return mzSmartPtr<mzIDispatch>(new prxMTreeObjectC(node, keeper, 0));
}

}  // namespace

TEST(prxMTreeObjectC, WalksATreeReadFromText) {
  auto* keeper = new treeKeeperC("ROOT{NAME{\"a\\tb\"},SIZE{2.5},EMPTY}");
  bool deleted = false;
  keeper->treeDeleted = &deleted;
  ASSERT_NE(keeper->root, nullptr);
  mzSmartPtr<mzIDispatch> root = proxyOver(keeper->root, keeper);
  keeper->Release();  // the proxies keep the tree from here on

  EXPECT_EQ(test(root.get(), "isValid"), 1);
  EXPECT_EQ(test(root.get(), "ISNAMETOKEN"), 1);
  EXPECT_EQ(text(root.get(), "getNameToken"), "ROOT");
  EXPECT_EQ(text(root.get(), "getQStringToken"), "\"\"");
  EXPECT_EQ(test(getObject(root.get(), "ParentNode").get(), "isValid"), 0);
  EXPECT_EQ(test(getObject(root.get(), "PrevNode").get(), "isValid"), 0);

  mzSmartPtr<mzIDispatch> name = getObject(root.get(), "DownNode");
  mzSmartPtr<mzIDispatch> string = getObject(name.get(), "DownNode");
  EXPECT_EQ(test(string.get(), "isStringToken"), 1);
  EXPECT_EQ(test(string.get(), "isNameToken"), 0);
  EXPECT_EQ(text(string.get(), "getStringToken"), "a\tb");
  EXPECT_EQ(text(string.get(), "getQStringToken"), "\"a\\tb\"");
  EXPECT_EQ(text(string.get(), "getNameToken"), "");
  EXPECT_EQ(call(string.get(), "getValueToken", mzInvokeMethod).result.doubleValue, 0.0);

  // Steps past the leaf give proxies without a node, and steps from those again.
  mzSmartPtr<mzIDispatch> below = getObject(string.get(), "DownNode");
  ASSERT_TRUE(below);
  EXPECT_EQ(test(below.get(), "isValid"), 0);
  mzSmartPtr<mzIDispatch> beyond = getObject(below.get(), "NextNode");
  EXPECT_EQ(test(beyond.get(), "isValid"), 0);
  EXPECT_EQ(text(beyond.get(), "getQStringToken"), "\"\"");
  EXPECT_EQ(call(beyond.get(), "setValueToken", mzInvokeMethod, {number(1)}).result.intValue, 0);

  mzSmartPtr<mzIDispatch> size = getObject(name.get(), "NextNode");
  EXPECT_EQ(text(size.get(), "getNameToken"), "SIZE");
  EXPECT_EQ(text(getObject(size.get(), "PrevNode").get(), "getNameToken"), "NAME");
  mzSmartPtr<mzIDispatch> number = getObject(size.get(), "DownNode");
  EXPECT_EQ(call(number.get(), "getValueToken", mzInvokeMethod).result.doubleValue, 2.5);

  // The tree lives until the last proxy over it goes.
  root.release();
  name.release();
  size.release();
  number.release();
  below.release();
  beyond.release();
  EXPECT_FALSE(deleted);
  EXPECT_EQ(text(string.get(), "getStringToken"), "a\tb");
  string.release();
  EXPECT_TRUE(deleted);
}

TEST(prxMTreeObjectC, SetsConvertTheirArgumentAndReplaceOnlyTheToken) {
  auto* keeper = new treeKeeperC("ROOT{\"text\"{CHILD}}");
  bool deleted = false;
  keeper->treeDeleted = &deleted;
  metaTreeC* stringNode = keeper->root->firstChild;
  mzSmartPtr<mzIDispatch> node = proxyOver(stringNode, keeper);
  keeper->Release();

  EXPECT_EQ(call(node.get(), "setValueToken", mzInvokeMethod, {mzVariantS("2.5")}).result.intValue, 1);
  EXPECT_EQ(test(node.get(), "isValueToken"), 1);
  EXPECT_EQ(test(node.get(), "isStringToken"), 0);
  EXPECT_EQ(call(node.get(), "getValueToken", mzInvokeMethod).result.doubleValue, 2.5);
  EXPECT_EQ(stringNode->value.getPosition()[0], -1);
  EXPECT_TRUE(stringNode->firstChild->hasKeyword("CHILD"));

  // The number converts to the text 42, which would read back as a number: no key word.
  EXPECT_EQ(call(node.get(), "setNameToken", mzInvokeMethod, {number(42)}).result.intValue, 0);
  EXPECT_EQ(test(node.get(), "isValueToken"), 1);
  EXPECT_EQ(call(node.get(), "setNameToken", mzInvokeMethod, {mzVariantS("N42")}).result.intValue, 1);
  EXPECT_EQ(text(node.get(), "getNameToken"), "N42");

  fakeDispatchC object;
  object.defaultValue.setString("from object");
  EXPECT_EQ(call(node.get(), "setStringToken", mzInvokeMethod, {mzVariantS(static_cast<mzIDispatch*>(&object))})
                .result.intValue,
            1);
  EXPECT_EQ(text(node.get(), "getStringToken"), "from object");
  EXPECT_EQ(object.references, 1u);

  callS rejected = call(node.get(), "setValueToken", mzInvokeMethod, {mzVariantS("2.5x")});
  EXPECT_EQ(rejected.outcome, 1u);
  EXPECT_EQ(rejected.source, "methode:setValueToken(Para:1)");
  EXPECT_EQ(text(node.get(), "getStringToken"), "from object");
  EXPECT_EQ(call(node.get(), "setNameToken", mzInvokeMethod, {mzVariantS()}).outcome, 1u);

  // Integer tokens are none of word, string and number here.
  metaTreeC::appendWordChild(stringNode, "X")->setValue(metaTokenC(metaTokenC::kindInteger, nullptr, 7));
  mzSmartPtr<mzIDispatch> integer = getObject(getObject(node.get(), "DownNode").get(), "NextNode");
  EXPECT_EQ(test(integer.get(), "isValid"), 1);
  EXPECT_EQ(
      test(integer.get(), "isNameToken") + test(integer.get(), "isStringToken") + test(integer.get(), "isValueToken"),
      0);
  EXPECT_STREQ(static_cast<prxMTreeObjectC*>(integer.get())->getTypeName(), "class prxMTreeObjectC *");

  integer.release();
  node.release();
  EXPECT_TRUE(deleted);
}
