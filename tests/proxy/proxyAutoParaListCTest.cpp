#include <gtest/gtest.h>

#include "proxy/proxyAutoParaListC.h"
#include "proxy/proxyExceptions.h"
#include "tests/helpers/fakeScriptObjects.h"

TEST(proxyAutoParaListC, BadIndexesThrowAndKeepTheCurrentIndex) {
  proxyAutoParaListC list(2);
  mzVariantS first("a");
  mzVariantS second;
  second.setInt(2);
  list.setScriptArgument(0, proxyAutoTypeCastC(first));
  list.setScriptArgument(1, proxyAutoTypeCastC(second));
  list.setScriptArgument(2, proxyAutoTypeCastC(second));
  EXPECT_EQ(list.getCount(), 2u);
  EXPECT_EQ(list.getCurrentIndex(), -1);

  EXPECT_THROW(list.getScriptArgument(-1), proxyAutoTypeCastExceptionC);
  EXPECT_THROW(list.getScriptArgument(2), proxyAutoTypeCastExceptionC);
  EXPECT_EQ(list.getCurrentIndex(), -1);
  EXPECT_EQ(list.getScriptArgument(1).toInt(), 2);
  EXPECT_EQ(list.getCurrentIndex(), 1);
  EXPECT_THROW(list.getScriptArgumentValue(5), proxyAutoTypeCastExceptionC);
  EXPECT_EQ(list.getCurrentIndex(), 1);
  EXPECT_STREQ(list.getScriptArgumentValue(0).toCString(), "a");
  EXPECT_EQ(list.getCurrentIndex(), 0);

  proxyAutoParaListC empty(0);
  EXPECT_THROW(empty.getScriptArgument(0), proxyAutoTypeCastExceptionC);
}

TEST(proxyAutoParaListC, ReferenceArgumentsArriveAsTheirValues) {
  fakeSymbolRefC reference;
  fakeSymbolRefC loop;
  fakeDispatchC object;
  {
    reference.value.setDouble(2.5);
    loop.value.setDispatch(&loop);
    proxyAutoParaListC list(3);
    list.setScriptArgument(0, proxyAutoTypeCastC(mzVariantS(&reference)));
    list.setScriptArgument(1, proxyAutoTypeCastC(mzVariantS(&loop)));
    list.setScriptArgument(2, proxyAutoTypeCastC(mzVariantS(static_cast<mzIDispatch*>(&object))));

    proxyAutoTypeCastC value = list.getScriptArgumentValue(0);
    EXPECT_EQ(value.type, mzVariantS::typeDouble);
    EXPECT_EQ(value.toDouble(), 2.5);
    EXPECT_EQ(list.getScriptArgument(0).type, mzVariantS::typeInterface);

    EXPECT_THROW(list.getScriptArgumentValue(1), proxyAutoTypeCastExceptionC);
    EXPECT_EQ(list.getCurrentIndex(), 1);

    // An object that is no reference stays the object.
    proxyAutoTypeCastC plain = list.getScriptArgumentValue(2);
    EXPECT_EQ(plain.interfaceValue, static_cast<mzIUnknown*>(static_cast<mzIDispatch*>(&object)));
    loop.value.clear();
  }
  EXPECT_EQ(reference.references, 1u);
  EXPECT_EQ(loop.references, 1u);
  EXPECT_EQ(object.references, 1u);
}

TEST(proxyExceptions, CarryTheirTextsAndErrorObject) {
  try {
    throwContainerError();
  } catch (const proxyExecuteExceptionC& e) {
    EXPECT_STREQ(e.source.c_str(), "container");
    EXPECT_STREQ(e.description.c_str(), "out of range");
  }
  fakeErrorC error;
  try {
    throwComException(&error);
  } catch (const proxyExecuteComExceptionC& e) {
    EXPECT_EQ(e.error.get(), &error);
    EXPECT_GE(error.references, 2u);
  }
  EXPECT_EQ(error.references, 1u);
  EXPECT_THROW(throwTypeCastException(), proxyAutoTypeCastExceptionC);
}

// A text argument is read where the caller put it; one that has to be made (a variable's
// value, an object's default text) lives until the list ends. Anything else is no text.
TEST(proxyAutoParaListC, TextArgumentsAreBorrowedUntilTheListEnds) {
  fakeSymbolRefC reference;
  fakeDispatchC object;
  fakeDispatchC numberObject;
  reference.value.setString("by reference");
  object.defaultValue.setString("default text");
  numberObject.defaultValue.setInt(4);
  {
    mzVariantS arguments[6];
    arguments[0].setString("plain");
    arguments[1].setDispatch(&reference);
    arguments[2].setDispatch(static_cast<mzIDispatch*>(&object));
    arguments[3].setInt(12);
    arguments[4].setDispatch(static_cast<mzIDispatch*>(&numberObject));
    arguments[5].setString(nullptr);
    proxyAutoParaListC list(6, arguments);

    EXPECT_EQ(list.getScriptArgumentText(0), arguments[0].stringText());
    const char* referenced = list.getScriptArgumentText(1);
    const char* defaultText = list.getScriptArgumentText(2);
    EXPECT_EQ(list.getCurrentIndex(), 2);
    EXPECT_THROW(list.getScriptArgumentText(3), proxyAutoTypeCastExceptionC);
    EXPECT_THROW(list.getScriptArgumentText(4), proxyAutoTypeCastExceptionC);
    EXPECT_THROW(list.getScriptArgumentText(6), proxyAutoTypeCastExceptionC);
    EXPECT_EQ(list.getCurrentIndex(), 4);
    EXPECT_STREQ(list.getScriptArgumentText(5), "");
    // Later reads leave the earlier texts as they were.
    EXPECT_STREQ(referenced, "by reference");
    EXPECT_STREQ(defaultText, "default text");
    EXPECT_STREQ(list.getScriptArgumentValue(0).toCString(), "plain");
    for (mzVariantS& argument : arguments) argument.clear();
  }
  EXPECT_EQ(reference.references, 1u);
  EXPECT_EQ(object.references, 1u);
  EXPECT_EQ(numberObject.references, 1u);
  reference.value.clear();
}
