#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

#include <gtest/gtest.h>

#include "core/metaObjDictPairTemplateC.h"
#include "proxy/proxyExceptions.h"
#include "proxy/prxmObjDictionaryBaseTemplateC.h"
#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"

using namespace metaProxyTest;

namespace {

class keyViewC : public metaObjectC {
 public:
  static constexpr const char* classKey = "KEY";
  keyViewC() = default;
  keyViewC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}
};

class dataViewC : public metaObjectC {
 public:
  static constexpr const char* classKey = "DATA";
  dataViewC() = default;
  dataViewC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}
};

// A key whose default member is its text; a key holding a number has no default value.
class keyProxyC : public prxMetaObjectBaseC {
 public:
  explicit keyProxyC(const metaObjectC& source) : prxMetaObjectBaseC(source) { setClass(description); }

  static const proxyMethodEntryS rows[];
  static inline const proxyClassC description{"class prxMetaObjectBaseTemplateC<class metaObjectC> *", rows,
                                              &prxMetaObjectBaseC::description};

 private:
  static void value(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    metaObjectC& key = proxyOf<keyProxyC>(native).getObject();
    if (key.getNode() && key.getNode()->firstChild && key.getNode()->firstChild->value.isDouble()) throwTypeCastException();
    result.setString(key.getNodeStringValue().c_str());
  }
};

const proxyMethodEntryS keyProxyC::rows[] = {{"", mzInvokeMethod, 0, &value}, {}};

}  // namespace

template <>
struct prxClassNameT<keyViewC> {
  static const char* get() { return "class keyViewC"; }
};
template <>
struct prxClassNameT<dataViewC> {
  static const char* get() { return "class dataViewC"; }
};
template <>
struct prxClassNameT<keyProxyC> {
  static const char* get() { return "class keyProxyC"; }
};

namespace {

using pairViewT = metaObjDictPairTemplateC<keyViewC, dataViewC>;
using keyedListT = prxmObjListObjTypeContainerTemplateC<prxMetaObjectBaseC, pairViewT>;
using dictionaryT = prxmObjDictionaryBaseTemplateC<keyProxyC, prxMetaObjectBaseC, keyViewC, dataViewC>;

}  // namespace

TEST(prxmObjListObjTypeContainerTemplateC, ListsOnlyTheChildrenOfItsKeyAndWalksThemAll) {
  dispatchT doc = documentOf("DOC{L{PAIR{KEY{\"first\"}} NOTE PAIR{KEY{\"second\"}}}}");
  dispatchT pairs(new keyedListT(childView(doc.get(), "L")));
  EXPECT_EQ(intOf(get(pairs.get(), "Count")), 2);
  EXPECT_EQ(written(objectOf(method(pairs.get(), "Item", {number(1)})).get()), "PAIR{KEY{\"second\"}}");
  EXPECT_EQ(written(objectOf(method(pairs.get(), "", {number(0)})).get()), "PAIR{KEY{\"first\"}}");
  expectOutOfRange(method(pairs.get(), "Item", {number(2)}));
  expectOutOfRange(method(pairs.get(), "Item", {number(-1)}));

  // The walk visits every child, whatever its key word, and stays put at either end.
  dispatchT walk = objectOf(method(pairs.get(), "objEnum"));
  EXPECT_EQ(intOf(method(walk.get(), "isValid")), 1);
  EXPECT_EQ(textOf(get(objectOf(method(walk.get(), "getItem")).get(), "classkey")), "PAIR");
  EXPECT_EQ(intOf(method(walk.get(), "prevItem")), 0);
  EXPECT_EQ(intOf(method(walk.get(), "nextItem")), 1);
  EXPECT_EQ(textOf(get(objectOf(method(walk.get(), "")).get(), "classkey")), "NOTE");
  EXPECT_EQ(intOf(method(walk.get(), "nextItem")), 1);
  EXPECT_EQ(intOf(method(walk.get(), "nextItem")), 0);
  EXPECT_EQ(written(objectOf(method(walk.get(), "getItem")).get()), "PAIR{KEY{\"second\"}}");
  EXPECT_EQ(intOf(method(walk.get(), "prevItem")), 1);

  dispatchT added = objectOf(method(pairs.get(), "add"));
  EXPECT_EQ(written(added.get()), "PAIR");
  EXPECT_EQ(intOf(get(pairs.get(), "Count")), 3);
  EXPECT_STREQ(static_cast<proxyObjectC*>(pairs.get())->getTypeName(),
               "class prxmObjListObjTypeContainerTemplateC<class prxMetaObjectBaseC,"
               "class metaObjDictPairTemplateC<class keyViewC,class dataViewC>> *");

  dispatchT empty(new keyedListT(metaObjectC()));
  EXPECT_EQ(intOf(get(empty.get(), "Count")), 0);
  EXPECT_EQ(intOf(get(objectOf(method(empty.get(), "add")).get(), "ValidObj")), 0);
  EXPECT_EQ(intOf(method(objectOf(method(empty.get(), "objEnum")).get(), "isValid")), 0);
}

TEST(prxmObjDictionaryBaseTemplateC, LooksPairsUpByTheirKeysDefaultValue) {
  dispatchT dictionary(new dictionaryT(metaObjectC::createWithKeyword("DICT", 1)));
  dispatchT first = objectOf(method(dictionary.get(), "add"));
  EXPECT_EQ(intOf(get(dictionary.get(), "Count")), 1);
  EXPECT_EQ(textOf(method(objectOf(get(first.get(), "Key")).get(), "")), "");  // made on first access
  dispatchT key = objectOf(invokeTest::call(first.get(), "Key", mzInvokePropertyPut, {text("en")}));
  EXPECT_EQ(textOf(method(key.get(), "")), "en");
  dispatchT second = objectOf(method(dictionary.get(), "add"));
  method(second.get(), "Key", {text("EN")});
  dispatchT third = objectOf(method(dictionary.get(), "add"));
  method(third.get(), "Key", {text("en")});

  // Item with one argument is the lookup; the first equal key wins, texts compare with case.
  EXPECT_EQ(nodeOf(objectOf(method(dictionary.get(), "Item", {text("en")})).get()), nodeOf(first.get()));
  EXPECT_EQ(nodeOf(objectOf(method(dictionary.get(), "item", {text("EN")})).get()), nodeOf(second.get()));
  invokeTest::callS none = method(dictionary.get(), "item", {text("fr")});
  EXPECT_EQ(none.outcome, 0u);
  EXPECT_EQ(none.result.type, mzVariantS::typeEmpty);
  EXPECT_EQ(nodeOf(objectOf(method(dictionary.get(), "", {number(2)})).get()), nodeOf(third.get()));

  EXPECT_EQ(textOf(get(objectOf(get(first.get(), "Data")).get(), "classkey")), "DATA");
  EXPECT_EQ(written(first.get()), "PAIR{KEY{\"en\"}DATA}");
  EXPECT_STREQ(static_cast<proxyObjectC*>(first.get())->getTypeName(),
               "class prxmObjDictionaryPairC<class keyProxyC,class prxMetaObjectBaseC,class keyViewC,class dataViewC> *");
}

TEST(prxmObjDictionaryBaseTemplateC, SkipsKeysWithoutADefaultValueAndPutsTextsInFront) {
  dispatchT doc = documentOf("DOC{DICT{PAIR{KEY{3}} PAIR{KEY{W}} PAIR{KEY{\"3\"}}}}");
  dispatchT dictionary(new dictionaryT(childView(doc.get(), "DICT")));
  // The first key fails its default member; the third's text converts to the argument's 3.
  dispatchT found = objectOf(method(dictionary.get(), "item", {number(3)}));
  EXPECT_EQ(written(found.get()), "PAIR{KEY{\"3\"}}");
  dispatchT wordKey = objectOf(method(dictionary.get(), "", {number(1)}));
  method(wordKey.get(), "Key", {text("t")});
  EXPECT_EQ(written(wordKey.get()), "PAIR{KEY{\"t\",W}}");
}
