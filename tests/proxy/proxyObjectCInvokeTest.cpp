#include <gtest/gtest.h>

#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"
#include "proxy/proxyObjectC.h"
#include "tests/helpers/fakeScriptObjects.h"
#include "tests/helpers/scriptCalls.h"
#include "tests/proxy/testProxies.h"

using invokeTest::call;
using invokeTest::callS;
using invokeTest::doubleValue;
using invokeTest::number;
using invokeTest::textOf;

TEST(proxyObjectCInvoke, DerivedRowsComeFirstAndNamesIgnoreCase) {
  mzSmartPtr<mzIDispatch> base(held(new testBaseProxyC()), false);
  mzSmartPtr<mzIDispatch> derived(held(new testDerivedProxyC()), false);
  EXPECT_EQ(call(base.get(), "Count", mzInvokePropertyGet).result.intValue, 1);
  EXPECT_EQ(call(derived.get(), "Count", mzInvokePropertyGet).result.intValue, 2);
  EXPECT_EQ(call(derived.get(), "cOUNT", mzInvokePropertyGet).result.intValue, 2);
  EXPECT_EQ(textOf(call(derived.get(), "EXTRA", mzInvokePropertyGet).result), "extra");
  // Inherited rows stay reachable behind the derived ones.
  EXPECT_EQ(call(derived.get(), "Any", mzInvokeMethod, {number(1), number(2), number(3)}).result.intValue, 3);
  EXPECT_EQ(call(derived.get(), "any", mzInvokeMethod).result.intValue, 0);

  auto* proxy = static_cast<testDerivedProxyC*>(derived.get());
  EXPECT_EQ(proxy->getMethodTable().owned, 1u);
  EXPECT_STREQ(proxy->getMethodTable().getName(0), "Count");
  EXPECT_EQ(proxy->getMethodTable().getCount(),
            countMethodEntries(testDerivedProxyC::rows) + countMethodEntries(testBaseProxyC::rows));
}

TEST(proxyObjectCInvoke, SettablePropertyTakesPutAndOneArgumentMethodButNotTwo) {
  auto* proxy = new testBaseProxyC();
  mzSmartPtr<mzIDispatch> object(held(proxy), false);
  fakeDispatchC fallback;
  proxy->defaultValue.setDispatch(static_cast<mzIDispatch*>(&fallback));

  EXPECT_EQ(call(object.get(), "Value", mzInvokePropertyPut, {doubleValue(2.5)}).outcome, 0u);
  EXPECT_EQ(proxy->value, 2.5);
  callS chained = call(object.get(), "value", mzInvokeMethod, {number(4)});
  EXPECT_EQ(chained.outcome, 0u);
  EXPECT_EQ(proxy->value, 4.0);
  EXPECT_EQ(chained.result.type, mzVariantS::typeInterface);  // a put returns the proxy itself
  chained.result.clear();
  EXPECT_EQ(call(object.get(), "Value", mzInvokePropertyGet).result.doubleValue, 4.0);

  // Two arguments fit no row of Value; the call goes on to the default value's Value.
  callS two = call(object.get(), "Value", mzInvokeMethod, {number(1), number(2)});
  EXPECT_EQ(two.outcome, 1u);
  EXPECT_EQ(fallback.lastName, "Value");
  EXPECT_EQ(fallback.lastKind, mzInvokeMethod);
  EXPECT_EQ(two.source, "methode:Value(Para:2)");
  EXPECT_EQ(two.description, "Object call failed");
  EXPECT_EQ(proxy->value, 4.0);

  proxy->defaultValue.clear();
  EXPECT_EQ(fallback.references, 1u);
}

TEST(proxyObjectCInvoke, OverloadsAreTriedInOrderAndTheFailingArgumentIsNamed) {
  auto* proxy = new testBaseProxyC();
  mzSmartPtr<mzIDispatch> object(held(proxy), false);

  EXPECT_EQ(call(object.get(), "Item", mzInvokeMethod, {number(3)}).result.intValue, 3);
  EXPECT_EQ(proxy->lastItem, "index 3");
  callS byName = call(object.get(), "Item", mzInvokeMethod, {mzVariantS("abc")});
  EXPECT_EQ(byName.outcome, 0u);
  EXPECT_EQ(textOf(byName.result), "abc");
  EXPECT_EQ(proxy->lastItem, "name abc");

  mzVariantS result = number(77);
  mzVariantS arguments[] = {number(1), mzVariantS("not a number")};
  mzIException* error = nullptr;
  EXPECT_EQ(object->Invoke("Item", mzInvokeMethod, 2, arguments, &result, &error), 1u);
  ASSERT_NE(error, nullptr);
  mzVariantS source;
  error->getSource(&source);
  EXPECT_EQ(textOf(source), "methode:Item(Para:2)");
  error->Release();
  EXPECT_EQ(result.type, mzVariantS::typeInt);  // untouched on failure
  EXPECT_EQ(result.intValue, 77);
  // Without an error out the call still fails.
  EXPECT_EQ(object->Invoke("Item", mzInvokeMethod, 2, arguments, &result, nullptr), 1u);
  EXPECT_EQ(result.intValue, 77);

  // A row that reads past the arguments does not fit; the next one of the name runs.
  EXPECT_EQ(call(object.get(), "Peek", mzInvokeMethod, {number(5)}).result.intValue, 6);
  EXPECT_EQ(call(object.get(), "Item", mzInvokeMethod, {number(1), doubleValue(0.5)}).outcome, 0u);
  EXPECT_EQ(proxy->lastItem, "set 1 0.500000");
}

TEST(proxyObjectCInvoke, FailuresComposeTheirErrorTexts) {
  auto* proxy = new testBaseProxyC();
  mzSmartPtr<mzIDispatch> object(held(proxy), false);

  callS missing = call(object.get(), "Nothing", mzInvokePropertyGet);
  EXPECT_EQ(missing.outcome, 1u);
  EXPECT_EQ(missing.source, "methode:Nothing");
  EXPECT_EQ(missing.description, "Object call failed");
  EXPECT_EQ(call(object.get(), nullptr, mzInvokePropertyPut).source, "methode:");

  callS texts = call(object.get(), "Fail", mzInvokeMethod);
  EXPECT_EQ(texts.source, "container");
  EXPECT_EQ(texts.description, "out of range");
  callS bare = call(object.get(), "FailBare", mzInvokeMethod, {number(1)});
  EXPECT_EQ(bare.source, "methode:FailBare");
  EXPECT_EQ(bare.description, "Object call failed");
  callS crash = call(object.get(), "Crash", mzInvokeMethod, {number(1)});
  EXPECT_EQ(crash.outcome, 1u);
  EXPECT_EQ(crash.source, "methode:Crash");
  EXPECT_EQ(crash.description, "unhandle exception");

  fakeErrorC foreignError;
  proxy->errorToThrow = &foreignError;
  {
    callS com = call(object.get(), "FailCom", mzInvokeMethod, {number(1)});
    EXPECT_EQ(com.outcome, 1u);
    EXPECT_EQ(com.source, "methode:FailCom");
    EXPECT_EQ(com.description, "Object call failed");
    EXPECT_EQ(com.inner.get(), &foreignError);
  }
  EXPECT_EQ(foreignError.references, 1u);

  mzVariantS result;
  EXPECT_EQ(object->Invoke("Any", mzInvokeMethod, 2, nullptr, &result, nullptr), 1u);
  EXPECT_EQ(result.type, mzVariantS::typeEmpty);
}

TEST(proxyObjectCInvoke, DefaultMembersCarryCallsOnward) {
  auto* outer = new testBaseProxyC();
  auto* inner = new testDerivedProxyC();
  mzSmartPtr<mzIDispatch> object(held(outer), false);
  mzSmartPtr<mzIDispatch> innerObject(held(inner), false);

  // A property the object lacks is read from its default value.
  outer->defaultValue.setDispatch(innerObject.get());
  EXPECT_EQ(textOf(call(object.get(), "Extra", mzInvokePropertyGet).result), "extra");
  EXPECT_EQ(call(object.get(), "Count", mzInvokePropertyGet).result.intValue, 1);

  // A method call on a property holding an object reaches that object's default member.
  outer->child.setDispatch(innerObject.get());
  callS item = call(object.get(), "Child", mzInvokeMethod, {number(5)});
  EXPECT_EQ(item.outcome, 0u);
  EXPECT_EQ(item.result.intValue, 50);

  outer->defaultValue.clear();
  outer->child.clear();
  EXPECT_EQ(inner->referenceCount, 1u);
}

TEST(proxyObjectCInvoke, DefaultValuesLeadingBackEndTheSearch) {
  auto* first = new testBaseProxyC();
  auto* second = new testBaseProxyC();
  mzSmartPtr<mzIDispatch> a(held(first), false);
  mzSmartPtr<mzIDispatch> b(held(second), false);
  first->defaultValue.setDispatch(b.get());
  second->defaultValue.setDispatch(a.get());

  callS loop = call(a.get(), "Nothing", mzInvokeMethod, {number(1)});
  EXPECT_EQ(loop.outcome, 1u);
  EXPECT_EQ(loop.description, "Object call failed");
  EXPECT_EQ(call(a.get(), "Nothing", mzInvokePropertyGet).outcome, 1u);
  // Calls that are found still work afterwards.
  EXPECT_EQ(call(a.get(), "Count", mzInvokePropertyGet).result.intValue, 1);

  first->defaultValue.clear();
  second->defaultValue.clear();
}

namespace {

fakeErrorC* firstRowError = nullptr;

void answerSeven(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { result.setInt(7); }
void answerText(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { result.setString("text"); }
void misfit(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString("left behind");
  throwTypeCastException();
}
void answerTwo(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { result.setInt(2); }
void failWithTexts(void*, proxyAutoParaListC&, proxyAutoTypeCastC&) { throw proxyExecuteExceptionC("src", "desc"); }
void failWithObject(void*, proxyAutoParaListC&, proxyAutoTypeCastC&) { throwComException(firstRowError); }
void failOtherwise(void*, proxyAutoParaListC&, proxyAutoTypeCastC&) { throw 5; }

constexpr proxyMethodEntryS firstRowRows[] = {
    {"Seven", mzInvokePropertyGet, 0, &answerSeven},
    {"Text", mzInvokeMethod, 0, &answerText},
    {"Retry", mzInvokeMethod, 0, &misfit},
    {"Retry", mzInvokeMethod, 0, &answerTwo},
    {"Misfit", mzInvokeMethod, 0, &misfit},
    {"FailTexts", mzInvokeMethod, 0, &failWithTexts},
    {"FailObject", mzInvokeMethod, 0, &failWithObject},
    {"FailOtherwise", mzInvokeMethod, 0, &failOtherwise},
    {"AnswerOfManyLetters", mzInvokeMethod, 0, &answerTwo},
    {"", mzInvokePropertyGet, 0, &answerSeven},
    {},
};

}  // namespace

// Calls without arguments, each made with a result that already holds a text (which the call
// must release or keep) and without a result: the value, the error texts and the inner error
// are those of the row that ran or failed, whichever of the name's rows that is.
TEST(proxyObjectCInvoke, CallsWithoutArgumentsAnswerWhatTheirRowDid) {
  const proxyClassC description("class firstRowsC *", firstRowRows, nullptr);
  mzSmartPtr<mzIDispatch> object(held(new proxyObjectC(description, 0)), false);
  fakeErrorC error;
  firstRowError = &error;

  struct caseS {
    const char* name;
    uint32_t kind;
    uint32_t outcome;
    uint32_t type;  // of the result
    int value;      // of an integer result
    const char* source;
    const char* description;
  };
  const caseS cases[] = {
      {"Seven", mzInvokePropertyGet, 0, mzVariantS::typeInt, 7, "", ""},
      {"SEVEN", mzInvokePropertyGet, 0, mzVariantS::typeInt, 7, "", ""},
      {"Seven", mzInvokeMethod, 1, mzVariantS::typeString, 0, "methode:Seven", "Object call failed"},
      {"Text", mzInvokeMethod, 0, mzVariantS::typeString, 0, "", ""},
      {"Retry", mzInvokeMethod, 0, mzVariantS::typeInt, 2, "", ""},
      {"retry", mzInvokeMethod, 0, mzVariantS::typeInt, 2, "", ""},
      {"Misfit", mzInvokeMethod, 1, mzVariantS::typeString, 0, "methode:Misfit", "Object call failed"},
      {"FailTexts", mzInvokeMethod, 1, mzVariantS::typeString, 0, "src", "desc"},
      {"FailObject", mzInvokeMethod, 1, mzVariantS::typeString, 0, "methode:FailObject", "Object call failed"},
      {"FailOtherwise", mzInvokeMethod, 1, mzVariantS::typeString, 0, "methode:FailOtherwise", "unhandle exception"},
      {"answerofmanyletters", mzInvokeMethod, 0, mzVariantS::typeInt, 2, "", ""},
      {"AnswerOfManyLetterz", mzInvokeMethod, 1, mzVariantS::typeString, 0, "methode:AnswerOfManyLetterz",
       "Object call failed"},
      {nullptr, mzInvokePropertyGet, 0, mzVariantS::typeInt, 7, "", ""},
  };
  for (const caseS& c : cases) {
    const std::string name = c.name ? c.name : "(null)";
    callS done;
    done.result.setString("before");
    mzIException* failure = nullptr;
    done.outcome = object->Invoke(c.name, c.kind, 0, nullptr, &done.result, &failure);
    EXPECT_EQ(done.outcome, c.outcome) << name;
    EXPECT_EQ(done.result.type, c.type) << name;
    if (c.type == mzVariantS::typeInt) {
      EXPECT_EQ(done.result.intValue, c.value) << name;
    } else {
      EXPECT_EQ(textOf(done.result), c.outcome ? "before" : "text") << name;
    }
    EXPECT_EQ(failure != nullptr, c.outcome != 0) << name;
    if (failure) {
      mzVariantS text;
      failure->getSource(&text);
      EXPECT_EQ(textOf(text), c.source) << name;
      failure->getDescription(&text);
      EXPECT_EQ(textOf(text), c.description) << name;
      mzIException* inner = nullptr;
      failure->getInnerException(&inner);
      EXPECT_EQ(inner, std::string(c.name ? c.name : "") == "FailObject" ? &error : nullptr) << name;
      if (inner) inner->Release();
      failure->Release();
    }
    EXPECT_EQ(object->Invoke(c.name, c.kind, 0, nullptr, nullptr, nullptr), c.outcome) << name;
  }
  EXPECT_EQ(error.references, 1u);
  firstRowError = nullptr;
}
