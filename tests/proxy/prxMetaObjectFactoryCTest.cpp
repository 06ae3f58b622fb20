// The meta-object factory as a host reaches it: made by the class factory, called by name.
#include <gtest/gtest.h>

#include <string>

#include "proxy/prxMetaObjectFactoryC.h"
#include "tests/helpers/fakeScriptObjects.h"
#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"
#include "tests/testFiles.h"

using namespace metaProxyTest;

namespace {

const char* const drawingText = "DRAWING{NAME{\"default\"},DESC{\"\"},UNITBASE{1}}";
const char* const compactDrawing = "DRAWING{NAME{\"default\"}DESC{\"\"}UNITBASE{1}}";

class metaObjectFactoryTest : public poolBalancedTest {
 protected:
  dispatchT factory = factoryOf("rudezaze.metaobjectfactory");

  void SetUp() override { ASSERT_TRUE(factory); }

  dispatchT fromString(const char* text) {
    return objectOf(method(factory.get(), "createFromString", {mzVariantS(text)}));
  }
  invokeTest::callS convert(const char* name, mzIDispatch* object) {
    return method(factory.get(), name, {objectValue(object)});
  }
  dispatchT converted(const char* name, mzIDispatch* object) { return objectOf(convert(name, object)); }
};

TEST_F(metaObjectFactoryTest, CreateFromStringUnescapesTheWholeTextBeforeParsing) {
  dispatchT drawing = fromString(drawingText);
  ASSERT_TRUE(drawing);
  EXPECT_EQ(written(drawing.get()), compactDrawing);
  EXPECT_EQ(textOf(get(drawing.get(), "classkey")), "DRAWING");

  dispatchT lines = fromString("A{\"x\\ny\"}");
  dispatchT value = objectOf(get(objectOf(get(lines.get(), "This")).get(), "DownNode"));
  EXPECT_EQ(textOf(method(value.get(), "getStringToken")), "x\ny");

  // Text that does not parse gives an object without a node, not an error.
  invokeTest::callS broken = method(factory.get(), "createFromString", {mzVariantS("A{")});
  EXPECT_EQ(broken.outcome, 0u);
  EXPECT_EQ(intOf(get(objectOf(std::move(broken)).get(), "ValidObj")), 0);
  EXPECT_EQ(method(factory.get(), "createFromString", {number(1)}).source, "methode:createFromString(Para:1)");
}

TEST_F(metaObjectFactoryTest, CreateFromFileParsesTheFileUnchanged) {
  // The value a\b: written with its backslash escaped, which a file gives back as it was and
  // the unescaping of createFromString does not.
  dispatchT source = fromString("A{\"a\\\\\\\\b\"}");
  ASSERT_EQ(written(source.get()), "A{\"a\\\\b\"}");
  testFiles::scratchFile file("factory.txt");
  ASSERT_EQ(intOf(method(source.get(), "writeToFile", {mzVariantS(file.path())})), 1);

  dispatchT read = objectOf(method(factory.get(), "createFromFile", {mzVariantS(file.path())}));
  EXPECT_EQ(written(read.get()), "A{\"a\\\\b\"}");
  dispatchT reparsed = fromString(textOf(method(source.get(), "writeToString")).c_str());
  EXPECT_NE(written(reparsed.get()), "A{\"a\\\\b\"}");

  testFiles::scratchFile missing("missing.txt");
  invokeTest::callS none = method(factory.get(), "createFromFile", {mzVariantS(missing.path())});
  EXPECT_EQ(none.outcome, 0u);
  dispatchT empty = objectOf(std::move(none));
  ASSERT_TRUE(empty);
  EXPECT_EQ(intOf(get(empty.get(), "ValidObj")), 0);
  EXPECT_EQ(textOf(method(empty.get(), "writeToString")), "");
}

TEST_F(metaObjectFactoryTest, CreateMakesEmptyListsByNameWithoutRegardToCase) {
  dispatchT strings = objectOf(method(factory.get(), "Create", {mzVariantS("PrxmStringList")}));
  ASSERT_TRUE(strings);
  EXPECT_EQ(textOf(get(strings.get(), "classkey")), "STRLIST");
  EXPECT_EQ(intOf(method(strings.get(), "isValidClass", {mzVariantS("STRLIST")})), 1);
  EXPECT_EQ(intOf(get(strings.get(), "Count")), 0);

  dispatchT objects = objectOf(method(factory.get(), "Create", {mzVariantS("PRXMOBJECTLIST")}));
  ASSERT_TRUE(objects);
  EXPECT_EQ(textOf(get(objects.get(), "classkey")), "OBJLIST");
  EXPECT_TRUE(objectOf(method(objects.get(), "add", {mzVariantS("NAME")})));  // the full table
  EXPECT_EQ(intOf(get(objects.get(), "Count")), 1);

  invokeTest::callS unknown = method(factory.get(), "Create", {mzVariantS("prxmstringlists")});
  EXPECT_EQ(unknown.outcome, 0u);
  EXPECT_EQ(unknown.result.type, mzVariantS::typeEmpty);
}

TEST_F(metaObjectFactoryTest, KeyAndIsMembersCompareTheClassKeyWithCase) {
  EXPECT_EQ(textOf(method(factory.get(), "keyextattrstr")), "EXTATTRSTR");
  EXPECT_EQ(textOf(method(factory.get(), "keyextattrval")), "EXTATTRVAL");
  EXPECT_EQ(textOf(method(factory.get(), "keyextattrvar")), "EXTATTRVAR");

  dispatchT attribute = fromString("EXTATTRSTR{NAME{\"n\"}}");
  EXPECT_EQ(intOf(convert("isextattrstr", attribute.get())), 1);
  EXPECT_EQ(intOf(convert("isextattrval", attribute.get())), 0);
  dispatchT lowerCase = fromString("extattrstr");
  ASSERT_EQ(textOf(get(lowerCase.get(), "classkey")), "extattrstr");
  EXPECT_EQ(intOf(convert("isextattrstr", lowerCase.get())), 0);
  // No readable classkey, or no object at all.
  EXPECT_EQ(intOf(convert("isextattrval", factory.get())), 0);
  EXPECT_EQ(intOf(method(factory.get(), "isextattrval", {number(3)})), 0);

  // Objects of other components are asked by name too.
  fakeDispatchC foreign;
  foreign.memberValue.setString("EXTATTRVAR");
  EXPECT_EQ(intOf(convert("isextattrvar", &foreign)), 1);
  foreign.memberValue.setInt(1);
  EXPECT_EQ(intOf(convert("isextattrvar", &foreign)), 0);
}

TEST_F(metaObjectFactoryTest, ToMembersCopyARootAndShareANodeInsideATree) {
  dispatchT source = fromString("EXTATTRSTR{NAME{\"n\"}VALUE{\"v\"}}");
  dispatchT copy = converted("toextattrstr", source.get());
  ASSERT_TRUE(copy);
  EXPECT_STREQ(static_cast<proxyObjectC*>(copy.get())->getTypeName(), "class prxmExtAttrListEntryStrC *");
  EXPECT_EQ(textOf(get(copy.get(), "Value")), "v");
  method(copy.get(), "Name", {mzVariantS("changed")});
  EXPECT_EQ(written(source.get()), "EXTATTRSTR{NAME{\"n\"}VALUE{\"v\"}}");

  dispatchT list = converted("toobjectList", fromString("ATTRS{EXTATTRVAL{VALUE{2}}}").get());
  dispatchT item = objectOf(method(list.get(), "Item", {number(0)}));
  dispatchT shared = converted("toextattrval", item.get());
  ASSERT_TRUE(shared);
  method(shared.get(), "Value", {number(5)});
  EXPECT_EQ(written(list.get()), "ATTRS{EXTATTRVAL{VALUE{5}}}");
  // The view keeps the list's tree when everything else has let go of it.
  list.release();
  item.release();
  EXPECT_EQ(textOf(method(shared.get(), "getValueAsString")), "5");
  EXPECT_EQ(written(shared.get()), "EXTATTRVAL{VALUE{5}}");

  dispatchT variable = converted("toextattrvar", fromString("EXTATTRVAR{TYPE{\"int\"}}").get());
  EXPECT_EQ(textOf(get(variable.get(), "Type")), "int");

  // Another class, an empty object or no object gives nothing, and the call succeeds.
  for (invokeTest::callS done : {convert("toextattrval", source.get()), convert("toextattrstr", fromString("").get()),
                                 method(factory.get(), "toextattrstr", {number(1)})}) {
    EXPECT_EQ(done.outcome, 0u);
    EXPECT_EQ(done.result.type, mzVariantS::typeEmpty);
  }
}

TEST_F(metaObjectFactoryTest, ForeignObjectsAreConvertedThroughTheirCompactText) {
  fakeDispatchC foreign;
  foreign.writtenValue.setString("EXTATTRVAL{NAME{\"f\"}VALUE{2.5}}");
  dispatchT value = converted("toextattrval", &foreign);
  ASSERT_TRUE(value);
  EXPECT_EQ(get(value.get(), "Value").result.doubleValue, 2.5);

  // No unescaping: the text is parsed as written.
  foreign.writtenValue.setString("EXTATTRSTR{VALUE{\"a\\\\b\"}}");
  EXPECT_EQ(textOf(get(converted("toextattrstr", &foreign).get(), "Value")), "a\\b");

  foreign.writtenValue.setInt(7);
  EXPECT_FALSE(converted("toextattrval", &foreign));
  foreign.writtenValue.clear();
  EXPECT_FALSE(converted("toextattrval", &foreign));
  dispatchT emptyList = converted("tostringList", &foreign);
  ASSERT_TRUE(emptyList);
  EXPECT_EQ(intOf(get(emptyList.get(), "ValidObj")), 0);
  EXPECT_EQ(intOf(get(emptyList.get(), "Count")), 0);
}

TEST_F(metaObjectFactoryTest, ListConversionsTakeAnyTree) {
  dispatchT document = fromString("DOC{\"a\",\"b\"}");
  dispatchT strings = converted("tostringList", document.get());
  ASSERT_TRUE(strings);
  EXPECT_EQ(intOf(get(strings.get(), "Count")), 2);
  EXPECT_EQ(textOf(method(strings.get(), "Item", {number(1)})), "b");
  // A copy of the root document: appending leaves the document as it was.
  method(strings.get(), "Append", {mzVariantS("c")});
  EXPECT_EQ(written(document.get()), "DOC{\"a\",\"b\"}");

  dispatchT objects = converted("toobjectList", document.get());
  EXPECT_TRUE(objectOf(method(objects.get(), "add", {mzVariantS("X")})));
  EXPECT_EQ(intOf(get(objects.get(), "Count")), 3);
}

TEST_F(metaObjectFactoryTest, EveryFactoryAnswersTheseMembersAndMetaObjectsHandOneOut) {
  dispatchT drawingFactory = factoryOf("rudezaze.m2dfactory");
  dispatchT drawing = objectOf(method(drawingFactory.get(), "createFromString", {mzVariantS(drawingText)}));
  EXPECT_EQ(written(drawing.get()), compactDrawing);

  dispatchT viaProperty = objectOf(get(drawing.get(), "Factory"));
  ASSERT_TRUE(viaProperty);
  EXPECT_STREQ(static_cast<proxyObjectC*>(viaProperty.get())->getTypeName(), "class prxMetaObjectFactoryC *");
  EXPECT_EQ(textOf(method(viaProperty.get(), "keyextattrval")), "EXTATTRVAL");
}

}  // namespace
