#include "proxy/proxyAutoParaListC.h"

#include <gtest/gtest.h>

#include "proxy/proxyExceptions.h"
#include "tests/mzcom/fakeComObjects.h"

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
