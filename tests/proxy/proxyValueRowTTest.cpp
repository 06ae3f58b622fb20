// Rows whose get reads a number: a call by name gives the same answer whether the getter
// writes the host's result itself or goes through the row's handler, whatever the result
// held before, however the name is spelt and wherever the row stands among its name's rows.
#include "proxy/proxyValueRowT.h"

#include <gtest/gtest.h>

#include <string>

#include "proxy/proxyAutoParaListC.h"
#include "proxy/proxyHandlerArguments.h"
#include "tests/helpers/fakeScriptObjects.h"
#include "tests/proxy/metaProxyTestHelpers.h"

using namespace metaProxyTest;

namespace {

class levelProxyC : public proxyObjectC {
 public:
  levelProxyC() : proxyObjectC(description, 0) {}
  void* getNativePointer() override { return this; }

  static const proxyMethodEntryS rows[];
  static inline const proxyClassC description{"class levelProxyC *", rows, nullptr};

  int32_t level = 3;

 private:
  static uint32_t levelValue(void* native, mzVariantS& result) noexcept {
    result.setPlainInt(proxyOf<levelProxyC>(native).level);
    return 0;
  }
  static uint32_t twiceValue(void* native, mzVariantS& result) noexcept {
    result.setPlainInt(2 * proxyOf<levelProxyC>(native).level);
    return 0;
  }
  static void setLevel(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    proxyOf<levelProxyC>(native).level = intArgument(arguments, 0);
    result.clear();
  }
  static void twiceOf(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    result.setInt(2 * intArgument(arguments, 0));
  }
};

// Level's get is its name's first row; Twice's comes after a row that takes an argument.
const proxyMethodEntryS levelProxyC::rows[] = {
    {"Level", mzInvokePropertyGet, 0, &proxyValueRowT<&levelValue>::handler},
    {"Level", mzInvokePropertyPut, 1, &setLevel},
    {"Twice", mzInvokeMethod, 1, &twiceOf},
    {"Twice", mzInvokePropertyGet, 0, &proxyValueRowT<&twiceValue>::handler},
    {},
};

// What the host's result holds before the call.
enum class priorE { empty, number, text, object, none };

struct priorResultS {
  mzVariantS value;
  fakeUnknownC object;

  explicit priorResultS(priorE prior) {
    if (prior == priorE::number) value.setDouble(2.5);
    if (prior == priorE::text) value.setString("earlier");
    if (prior == priorE::object) value.setDispatch(&object);
  }
};

// The call's outcome and integer result (-99 for another type), or the error's source.
struct answerS {
  uint32_t outcome;
  int32_t value;
  std::string source;
};

answerS invokeInto(mzIDispatch* object, const char* name, uint32_t kind, priorE prior) {
  priorResultS result(prior);
  mzIException* error = nullptr;
  mzVariantS* into = prior == priorE::none ? nullptr : &result.value;
  answerS answer{object->Invoke(name, kind, 0, nullptr, into, &error), -99, ""};
  if (into && into->type == mzVariantS::typeInt) answer.value = into->intValue;
  if (error) {
    mzVariantS text;
    error->getSource(&text);
    answer.source = textOf(text);
    error->Release();
  }
  // A failed call leaves the result as it was; a call that succeeds lets go of what it held.
  if (prior == priorE::object) {
    EXPECT_EQ(result.object.references, answer.outcome == 0 ? 1u : 2u) << name;
  }
  if (prior == priorE::text && answer.outcome != 0) {
    EXPECT_EQ(textOf(result.value), "earlier") << name;
  }
  return answer;
}

constexpr priorE allPriors[] = {priorE::empty, priorE::number, priorE::text, priorE::object, priorE::none};

}  // namespace

TEST(proxyValueRowT, ValidObjAnswersAlikeOnEveryRoad) {
  buildTables();
  dispatchT document = documentOf("DOC{A{1}}");
  dispatchT empty(new prxMetaObjectBaseC());
  struct caseS {
    mzIDispatch* object;
    const char* name;
    uint32_t kind;
    uint32_t outcome;
    int32_t value;
    const char* source;
  } cases[] = {
      {document.get(), "ValidObj", mzInvokePropertyGet, 0, 1, ""},
      {document.get(), "validobj", mzInvokePropertyGet, 0, 1, ""},
      {document.get(), "VALIDOBJ", proxyAnyKind, 0, 1, ""},
      {document.get(), "ValidObj", proxyAnyKind, 0, 1, ""},
      {empty.get(), "ValidObj", mzInvokePropertyGet, 0, 0, ""},
      {empty.get(), "vALIDoBJ", mzInvokePropertyGet, 0, 0, ""},
      // No put row, and a method finds the get's integer, which is no object to call.
      {document.get(), "ValidObj", mzInvokePropertyPut, 1, -99, "methode:ValidObj"},
      {document.get(), "ValidObj", mzInvokeMethod, 1, -99, "methode:ValidObj"},
      {document.get(), "ValidObjX", mzInvokePropertyGet, 1, -99, "methode:ValidObjX"},
  };
  for (const caseS& c : cases) {
    for (priorE prior : allPriors) {
      SCOPED_TRACE(std::string(c.name) + " kind " + std::to_string(c.kind) + " prior " +
                   std::to_string(int(prior)));
      const answerS answer = invokeInto(c.object, c.name, c.kind, prior);
      EXPECT_EQ(answer.outcome, c.outcome);
      EXPECT_EQ(answer.source, c.source);
      if (prior != priorE::none) {
        EXPECT_EQ(answer.value, c.value);
      }
    }
  }
}

TEST(proxyValueRowT, ValueRowsReadTheObjectWhereverTheyStand) {
  dispatchT object(new levelProxyC());
  auto* proxy = static_cast<levelProxyC*>(object.get());
  for (int32_t level : {3, -7, 0}) {
    proxy->level = level;
    for (priorE prior : allPriors) {
      SCOPED_TRACE("level " + std::to_string(level) + " prior " + std::to_string(int(prior)));
      for (const char* name : {"Level", "level", "LEVEL"})
        EXPECT_EQ(invokeInto(object.get(), name, mzInvokePropertyGet, prior).value, prior == priorE::none ? -99 : level);
      EXPECT_EQ(invokeInto(object.get(), "Twice", mzInvokePropertyGet, prior).value,
                prior == priorE::none ? -99 : 2 * level);
    }
    // The rows beside the value rows still take their own calls.
    EXPECT_EQ(intOf(method(object.get(), "Twice", {number(level + 1)})), 2 * (level + 1));
  }
  expectEmptyResult(put(object.get(), "Level", number(11)));
  EXPECT_EQ(intOf(get(object.get(), "Level")), 11);
  EXPECT_EQ(intOf(get(object.get(), "twice")), 22);
  expectFailure(call(object.get(), "Level", mzInvokePropertyGet, {number(1)}), "methode:Level");
}
