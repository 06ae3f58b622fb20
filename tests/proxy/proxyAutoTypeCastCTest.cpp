#include <gtest/gtest.h>

#include <cmath>

#include "proxy/proxyAutoTypeCastC.h"
#include "proxy/proxyExceptions.h"
#include "tests/helpers/fakeScriptObjects.h"

namespace {

proxyAutoTypeCastC castOf(const mzVariantS& value) { return proxyAutoTypeCastC(value); }

proxyAutoTypeCastC castOfDouble(double value) {
  mzVariantS v;
  v.setDouble(value);
  return proxyAutoTypeCastC(v);
}

proxyAutoTypeCastC castOfObject(mzIDispatch* object) { return proxyAutoTypeCastC(mzVariantS(object)); }

}  // namespace

TEST(proxyAutoTypeCastC, NumbersComeOnlyFromNumbersAndObjects) {
  EXPECT_EQ(castOfDouble(2.7).toInt(), 2);
  EXPECT_EQ(castOfDouble(-2.7).toInt(), -2);
  EXPECT_EQ(castOfDouble(300.0).toBool(), 44);
  EXPECT_EQ(castOfDouble(std::nan("")).toInt(), 0);
  mzVariantS seven;
  seven.setInt(7);
  EXPECT_EQ(castOf(seven).toDouble(), 7.0);

  EXPECT_THROW(castOf(mzVariantS("12")).toInt(), proxyAutoTypeCastExceptionC);
  EXPECT_THROW(castOf(mzVariantS("12")).toDouble(), proxyAutoTypeCastExceptionC);
  EXPECT_THROW(castOf(mzVariantS()).toInt(), proxyAutoTypeCastExceptionC);
  mzVariantS byte;
  byte.setByte(1);
  EXPECT_THROW(castOf(byte).toBool(), proxyAutoTypeCastExceptionC);

  fakeDispatchC inner;
  inner.defaultValue.setDouble(4.5);
  fakeDispatchC outer;
  outer.defaultValue.setDispatch(static_cast<mzIDispatch*>(&inner));
  fakeDispatchC textual;
  textual.defaultValue.setString("12");
  fakeDispatchC selfish;
  selfish.returnsSelf = true;
  EXPECT_EQ(castOfObject(&outer).toDouble(), 4.5);
  EXPECT_EQ(castOfObject(&outer).toInt(), 4);
  EXPECT_THROW(castOfObject(&textual).toInt(), proxyAutoTypeCastExceptionC);
  EXPECT_THROW(castOfObject(&selfish).toDouble(), proxyAutoTypeCastExceptionC);
  outer.defaultValue.clear();
  EXPECT_EQ(inner.references, 1u);
  EXPECT_EQ(outer.references, 1u);
  EXPECT_EQ(selfish.references, 1u);
}

TEST(proxyAutoTypeCastC, TextsComeOnlyFromStringsAndObjects) {
  EXPECT_STREQ(castOf(mzVariantS("abc")).toCString(), "abc");
  mzVariantS bare;
  bare.type = mzVariantS::typeString;
  bare.stringValue = nullptr;
  EXPECT_STREQ(castOf(bare).toCString(), "");
  mzVariantS number;
  number.setInt(5);
  EXPECT_THROW(castOf(number).toCString(), proxyAutoTypeCastExceptionC);

  fakeDispatchC named;
  named.defaultValue.setString("name");
  fakeDispatchC numeric;
  numeric.defaultValue.setDouble(1.0);
  {
    proxyAutoTypeCastC argument = castOfObject(&named);
    const char* text = argument.toCString();
    EXPECT_STREQ(text, "name");
    named.defaultValue.setString("changed");
    EXPECT_STREQ(text, "name");  // the text lives with the cast
    proxyAutoTypeCastC copy(argument);
    EXPECT_EQ(copy.resolvedValue.type, mzVariantS::typeString);
    EXPECT_THROW(castOfObject(&numeric).toCString(), proxyAutoTypeCastExceptionC);
  }
  EXPECT_EQ(named.references, 1u);
}

TEST(proxyAutoTypeCastC, ObjectsFollowReferencesAndNeverThrow) {
  EXPECT_FALSE(castOf(mzVariantS()).toDispatch());
  EXPECT_FALSE(castOf(mzVariantS("x")).toDispatch());

  fakeDispatchC object;
  fakeSymbolRefC reference;
  fakeSymbolRefC referenceToReference;
  fakeSymbolRefC loop;
  {
    reference.value.setDispatch(static_cast<mzIDispatch*>(&object));
    referenceToReference.value.setDispatch(&reference);
    loop.value.setDispatch(&loop);

    mzSmartPtr<mzIDispatch> direct = castOfObject(&object).toDispatch();
    EXPECT_EQ(direct.get(), static_cast<mzIDispatch*>(&object));
    mzSmartPtr<mzIDispatch> followed = castOf(mzVariantS(&referenceToReference)).toDispatch();
    EXPECT_EQ(followed.get(), static_cast<mzIDispatch*>(&object));
    EXPECT_FALSE(castOf(mzVariantS(&loop)).toDispatch());
    EXPECT_EQ(loop.reads, mzMaxIndirectionSteps);

    mzVariantS number;
    number.setInt(3);
    reference.value.assign(number);
    EXPECT_FALSE(castOf(mzVariantS(&reference)).toDispatch());
    reference.value.clear();
    referenceToReference.value.clear();
    loop.value.clear();
  }
  EXPECT_EQ(object.references, 1u);
  EXPECT_EQ(reference.references, 1u);
  EXPECT_EQ(loop.references, 1u);
}

TEST(proxyAutoTypeCastC, SetObjectAdoptsTheReference) {
  fakeDispatchC object;
  proxyAutoTypeCastC result;
  object.AddRef();  // the reference a handler hands over
  result.setObject(static_cast<mzIDispatch*>(&object));
  EXPECT_EQ(result.type, mzVariantS::typeInterface);
  EXPECT_EQ(object.references, 2u);
  result.setObject(nullptr);
  EXPECT_EQ(result.type, mzVariantS::typeEmpty);
  EXPECT_EQ(object.references, 1u);
}
