#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "base/str.h"
#include "mzcom/mzVariantArrayC.h"
#include "mzcom/mzVariantS.h"
#include "tests/helpers/fakeScriptObjects.h"
#include "tests/helpers/scriptCalls.h"

using invokeTest::doubleValue;
using invokeTest::number;
using invokeTest::text;
using invokeTest::textOf;

namespace {

// A string as another module of the process makes it: the variant must delete it
// through its own deleting destructor.
int hostStringsDeleted = 0;
class hostStringC : public str {
 public:
  using str::str;
  ~hostStringC() override { ++hostStringsDeleted; }
};

}  // namespace

TEST(mzVariantS, TextToNumbers) {
  int32_t i = 0;
  mzVariantS v = text(" 42");
  EXPECT_EQ(v.changeType(mzVariantS::typeInt), 0u);
  EXPECT_EQ(v.type, mzVariantS::typeInt);
  EXPECT_EQ(v.intValue, 42);

  for (const char* bad : {"42 ", "4x", "12abc", " ", "0x10", "inf", "-inf", "nan", "+-1", ".", "1e", "--1"}) {
    mzVariantS rejected = text(bad);
    EXPECT_EQ(rejected.changeType(mzVariantS::typeInt), 1u) << bad;
    EXPECT_EQ(rejected.changeType(mzVariantS::typeDouble), 1u) << bad;
    EXPECT_EQ(textOf(rejected), bad);
  }

  v = text("");
  EXPECT_EQ(v.getInt(i), 0u);
  EXPECT_EQ(i, 0);
  v = text("3.9");
  EXPECT_EQ(v.getInt(i), 0u);
  EXPECT_EQ(i, 3);
  v = text("-3.9");
  EXPECT_EQ(v.getInt(i), 0u);
  EXPECT_EQ(i, -3);

  double d = 0;
  for (auto [text, expected] : {std::pair{"+2.5e1", 25.0}, {"\t.5", 0.5}, {"5.", 5.0}, {"-0.125E+2", -12.5}}) {
    v = invokeTest::text(text);
    EXPECT_EQ(v.getDouble(d), 0u) << text;
    EXPECT_EQ(d, expected) << text;
  }
  // Beyond the double range: the infinity of the sign; below it: zero.
  v = text("-1e999");
  EXPECT_EQ(v.getDouble(d), 0u);
  EXPECT_EQ(d, -std::numeric_limits<double>::infinity());
  v = text("1e-999");
  EXPECT_EQ(v.getDouble(d), 0u);
  EXPECT_EQ(d, 0.0);
  v = text("1e999");
  EXPECT_EQ(v.getInt(i), 0u);
  EXPECT_EQ(i, 0);
}

TEST(mzVariantS, NumbersToIntegersAndBytes) {
  mzVariantS v = doubleValue(300.7);
  EXPECT_EQ(v.changeType(mzVariantS::typeByte), 0u);
  EXPECT_EQ(v.type, mzVariantS::typeByte);
  EXPECT_EQ(v.byteValue, 44);

  uint8_t b = 0;
  v = text("300.7");
  EXPECT_EQ(v.getByte(b), 0u);
  EXPECT_EQ(b, 44);
  EXPECT_EQ(v.type, mzVariantS::typeByte);

  v.setByte(0xff);
  EXPECT_EQ(v.changeType(mzVariantS::typeDouble), 1u);
  EXPECT_EQ(v.changeType(mzVariantS::typeString), 1u);
  EXPECT_EQ(v.type, mzVariantS::typeByte);
  EXPECT_EQ(v.changeType(mzVariantS::typeInt), 0u);
  EXPECT_EQ(v.intValue, -1);

  v = number(-5);
  EXPECT_EQ(v.changeType(mzVariantS::typeDouble), 0u);
  EXPECT_EQ(v.doubleValue, -5.0);
  v = number(0x1234);
  EXPECT_EQ(v.changeType(mzVariantS::typeByte), 0u);
  EXPECT_EQ(v.byteValue, 0x34);
}

TEST(mzVariantS, DoublesOutsideTheIntegerRangeConvertWithoutUndefinedBehaviour) {
  const double infinity = std::numeric_limits<double>::infinity();
  struct caseS {
    double value;
    int32_t expected;
  };
  for (caseS c : {caseS{4294967296.0 + 5.0, 5}, {2147483648.0, INT32_MIN}, {-2147483649.0, INT32_MAX},
                  {1e19, 0}, {-1e19, 0}, {9223372036854775808.0, 0}, {-9223372036854775808.0, 0},
                  {std::nan(""), 0}, {infinity, 0}, {-infinity, 0}, {-0.5, 0}}) {
    mzVariantS v = doubleValue(c.value);
    EXPECT_EQ(v.changeType(mzVariantS::typeInt), 0u) << c.value;
    EXPECT_EQ(v.intValue, c.expected) << c.value;
    v = doubleValue(c.value);
    EXPECT_EQ(v.changeType(mzVariantS::typeByte), 0u) << c.value;
    EXPECT_EQ(v.byteValue, uint8_t(c.expected)) << c.value;
  }
}

TEST(mzVariantS, NumbersToText) {
  struct caseS {
    mzVariantS value;
    const char* text;
  };
  for (const caseS& c : {caseS{doubleValue(0.1), "0.1"}, {number(-5), "-5"},
                         {doubleValue(1.0 / 3), "0.33333333333333"}, {doubleValue(1e20), "1e+20"}}) {
    mzVariantS v(c.value);
    const char* text = nullptr;
    EXPECT_EQ(v.getText(text), 0u);
    EXPECT_STREQ(text, c.text);
    EXPECT_EQ(v.type, mzVariantS::typeString);
  }
}

TEST(mzVariantS, ConversionsThatDoNotExistLeaveTheVariant) {
  mzVariantS empty;
  for (uint32_t t : {mzVariantS::typeInt, mzVariantS::typeDouble, mzVariantS::typeString, mzVariantS::typeByte}) {
    EXPECT_EQ(empty.changeType(t), 1u);
  }
  mzVariantS number = invokeTest::number(7);
  for (uint32_t t : {mzVariantS::typeEmpty, mzVariantS::typeInterface, mzVariantS::typeArray, 3u, 64u}) {
    EXPECT_EQ(number.changeType(t), 1u);
    EXPECT_EQ(number.type, mzVariantS::typeInt);
    EXPECT_EQ(number.intValue, 7);
  }
  const char* text = nullptr;
  EXPECT_EQ(number.getString(text), 1u);  // no conversion
}

// A host may hand over any type word: one that is none of the owning types, even if it shares
// their bits, owns nothing, so clearing it releases nothing and leaves the variant empty.
TEST(mzVariantS, VariantsOfUnknownTypesClearWithoutReleasingAnything) {
  for (uint32_t type : {3u, 12u, 20u, 64u, 0x8004u, 0x800Cu, 0xFFFFFFFFu}) {
    mzVariantS variant;
    variant.interfaceValue = reinterpret_cast<mzIUnknown*>(uintptr_t(0xDEAD0000));  // not an object
    variant.type = type;
    variant.clear();
    EXPECT_EQ(variant.type, mzVariantS::typeEmpty) << type;
  }
}

TEST(mzVariantS, Equality) {
  mzVariantS a, b;
  EXPECT_FALSE(a.isEqual(b, true));
  mzVariantS two = number(2);
  mzVariantS twoText = text("2.0");
  EXPECT_TRUE(two.isEqual(twoText, true));
  EXPECT_FALSE(two.isEqual(twoText, false));
  EXPECT_EQ(textOf(twoText), "2.0");  // the other variant is not changed

  EXPECT_TRUE(text("abc").isEqual(text("abc"), false));
  EXPECT_FALSE(text("abc").isEqual(text("ABC"), false));
  mzVariantS bare;
  bare.stringValue = nullptr;
  bare.type = mzVariantS::typeString;
  EXPECT_TRUE(bare.isEqual(text(""), false));

  EXPECT_FALSE(doubleValue(std::nan("")).isEqual(doubleValue(std::nan("")), false));
  EXPECT_TRUE(doubleValue(0.0).isEqual(doubleValue(-0.0), false));
  mzVariantS byte1, byte2;
  byte1.setByte(1);
  byte2.setByte(1);
  EXPECT_FALSE(byte1.isEqual(byte2, true));

  fakeDispatchC object;
  object.defaultValue.setInt(2);
  mzVariantS held(static_cast<mzIDispatch*>(&object));
  EXPECT_TRUE(held.isEqual(mzVariantS(static_cast<mzIDispatch*>(&object)), false));
  EXPECT_TRUE(two.isEqual(held, true));  // through the object's default value
  EXPECT_EQ(held.type, mzVariantS::typeInterface);
}

TEST(mzVariantS, CopiesOwnTheirPayload) {
  mzVariantS source = text("abc");
  mzVariantS copy(source);
  copy.setString("changed");
  EXPECT_EQ(textOf(source), "abc");
  EXPECT_NE(source.stringValue, copy.stringValue);

  source.copyTo(source);
  EXPECT_EQ(textOf(source), "abc");

  mzVariantS nullText(static_cast<const char*>(nullptr));
  EXPECT_EQ(textOf(nullText), "");

  fakeDispatchC object;
  {
    mzVariantS held(static_cast<mzIDispatch*>(&object));
    EXPECT_EQ(object.references, 2u);
    held.setDispatch(static_cast<mzIDispatch*>(&object));  // re-holding the same object
    mzVariantS second(held);
    EXPECT_EQ(object.references, 3u);
  }
  EXPECT_EQ(object.references, 1u);

  // A type the variant does not know is not copied.
  mzVariantS unknown;
  unknown.type = 3;
  mzVariantS target = number(9);
  EXPECT_EQ(unknown.copyTo(target), 1u);
  EXPECT_EQ(target.intValue, 9);
  unknown.type = mzVariantS::typeEmpty;
}

TEST(mzVariantS, ArraysCopyDeepAndAnElementMayReplaceItsOwnArray) {
  fakeDispatchC object;
  mzVariantS holder;
  holder.type = mzVariantS::typeArray;
  EXPECT_EQ(mzVariantArrayC::create(holder.arrayValue, 2), 0u);
  mzVariantS* first = nullptr;
  mzVariantS* second = nullptr;
  ASSERT_EQ(mzVariantArrayC::getElement(holder.arrayValue, 0, first), 0u);
  ASSERT_EQ(mzVariantArrayC::getElement(holder.arrayValue, 1, second), 0u);
  first->setString("inner");
  second->setDispatch(static_cast<mzIDispatch*>(&object));

  mzVariantS copy(holder);
  EXPECT_NE(copy.arrayValue, holder.arrayValue);
  mzVariantS* copiedFirst = nullptr;
  ASSERT_EQ(mzVariantArrayC::getElement(copy.arrayValue, 0, copiedFirst), 0u);
  EXPECT_EQ(textOf(*copiedFirst), "inner");
  EXPECT_NE(copiedFirst->stringValue, first->stringValue);
  EXPECT_EQ(object.references, 3u);

  // The element is copied before the array that holds it is deleted.
  holder.assign(*first);
  EXPECT_EQ(textOf(holder), "inner");
  EXPECT_EQ(object.references, 2u);
  copy.clear();
  EXPECT_EQ(object.references, 1u);

  // A variant of type array without an array copies as one, without reading through null.
  mzVariantS noArray;
  noArray.type = mzVariantS::typeArray;
  noArray.arrayValue = nullptr;
  mzVariantS noArrayCopy(noArray);
  EXPECT_EQ(noArrayCopy.type, mzVariantS::typeArray);
  EXPECT_EQ(noArrayCopy.arrayValue, nullptr);
}

TEST(mzVariantS, HostStringsGoBackThroughTheirOwnDestructor) {
  hostStringsDeleted = 0;
  {
    mzVariantS v;
    v.stringValue = new hostStringC("from the host");
    v.type = mzVariantS::typeString;
    EXPECT_EQ(textOf(v), "from the host");
    int32_t i = 0;
    EXPECT_EQ(v.getInt(i), 1u);
    v.clear();
    EXPECT_EQ(hostStringsDeleted, 1);
    v.stringValue = new hostStringC("12");
    v.type = mzVariantS::typeString;
    EXPECT_EQ(v.getInt(i), 0u);
    EXPECT_EQ(hostStringsDeleted, 2);
    EXPECT_EQ(i, 12);
  }
}

TEST(mzVariantS, ObjectsStandForTheirDefaultValue) {
  fakeDispatchC inner;
  inner.defaultValue.setDouble(2.5);
  fakeDispatchC outer;
  outer.defaultValue.setDispatch(static_cast<mzIDispatch*>(&inner));
  {
    mzVariantS v(static_cast<mzIDispatch*>(&outer));
    EXPECT_EQ(v.changeType(mzVariantS::typeString), 0u);
    EXPECT_EQ(textOf(v), "2.5");
    EXPECT_EQ(outer.lastName, "<null>");
    EXPECT_EQ(outer.lastKind, mzInvokeMethod);

    mzVariantS resolved;
    EXPECT_EQ(resolveDefaultValue(mzVariantS(static_cast<mzIDispatch*>(&outer)), resolved), 0u);
    EXPECT_EQ(resolved.type, mzVariantS::typeDouble);
    EXPECT_EQ(resolved.doubleValue, 2.5);

    EXPECT_EQ(resolveDefaultValue(text("plain"), resolved), 0u);
    EXPECT_EQ(textOf(resolved), "plain");

    // A text default value parses like any text.
    inner.defaultValue.setString("12");
    int32_t i = 0;
    mzVariantS number(static_cast<mzIDispatch*>(&outer));
    EXPECT_EQ(number.getInt(i), 0u);
    EXPECT_EQ(i, 12);
  }
  outer.defaultValue.clear();
  EXPECT_EQ(outer.references, 1u);
  EXPECT_EQ(inner.references, 1u);
}

TEST(mzVariantS, DefaultValuesThatFailOrNeverEndFailTheConversion) {
  fakeDispatchC failing;
  failing.failDefault = true;
  fakeDispatchC selfish;
  selfish.returnsSelf = true;
  fakeDispatchC noDispatch;
  noDispatch.answersDispatch = false;
  {
    mzVariantS v(static_cast<mzIDispatch*>(&failing));
    EXPECT_EQ(v.changeType(mzVariantS::typeInt), 1u);
    EXPECT_EQ(v.type, mzVariantS::typeInterface);
    EXPECT_EQ(failing.error.releases, 1u);  // the error object is dropped
    EXPECT_EQ(failing.error.references, 1u);

    mzVariantS self(static_cast<mzIDispatch*>(&selfish));
    EXPECT_EQ(self.changeType(mzVariantS::typeDouble), 1u);
    EXPECT_EQ(selfish.invokeCount, mzMaxIndirectionSteps);
    EXPECT_EQ(self.interfaceValue, static_cast<mzIUnknown*>(static_cast<mzIDispatch*>(&selfish)));
    mzVariantS out = number(3);
    EXPECT_EQ(resolveDefaultValue(self, out), 1u);
    EXPECT_EQ(out.intValue, 3);
    // Asking an object for an object needs no call.
    EXPECT_EQ(self.changeType(mzVariantS::typeInterface), 0u);

    mzVariantS plain(static_cast<mzIDispatch*>(&noDispatch));
    EXPECT_EQ(plain.changeType(mzVariantS::typeInt), 1u);
    EXPECT_EQ(resolveDefaultValue(plain, out), 1u);
    EXPECT_EQ(noDispatch.invokeCount, 0);
  }
  EXPECT_EQ(failing.references, 1u);
  EXPECT_EQ(selfish.references, 1u);
  EXPECT_EQ(noDispatch.references, 1u);
}
