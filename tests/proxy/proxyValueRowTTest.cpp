// Rows whose get reads a number: a call by name gives the same answer whether the getter
// writes the host's result itself or goes through the row's handler, whatever the result
// held before, however the name is spelt and wherever the row stands among its name's rows.
#include "proxy/proxyValueRowT.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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
  static void twiceOf(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    result.setInt(2 * intArgument(arguments, 0));
  }
};

// Level's get is its name's first row; Twice's comes after a row that takes an argument.
const proxyMethodEntryS levelProxyC::rows[] = {
    {"Level", mzInvokePropertyGet, 0, &proxyValueRowT<&levelValue>::handler},
    {"Twice", mzInvokeMethod, 1, &twiceOf},
    {"Twice", mzInvokePropertyGet, 0, &proxyValueRowT<&twiceValue>::handler},
    {},
};

// What the host's result holds before the call.
enum class priorE { empty, number, text, object, none };

// The object goes after the value that may still hold it.
struct priorResultS {
  fakeUnknownC object;
  mzVariantS value;

  explicit priorResultS(priorE prior) {
    if (prior == priorE::number) value.setDouble(2.5);
    if (prior == priorE::text) value.setString("earlier");
    if (prior == priorE::object) value.setDispatch(&object);
  }
};

// The call's outcome and integer result (-99 for another type or no result). A failed call
// leaves the result as it was; a call that succeeds lets go of what it held.
std::pair<uint32_t, int32_t> invokeInto(mzIDispatch* object, const char* name, uint32_t kind, priorE prior) {
  priorResultS result(prior);
  mzVariantS* into = prior == priorE::none ? nullptr : &result.value;
  const uint32_t outcome = object->Invoke(name, kind, 0, nullptr, into, nullptr);
  if (prior == priorE::object) {
    EXPECT_EQ(result.object.references, outcome == 0 ? 1u : 2u) << name;
  }
  if (prior == priorE::text && outcome != 0) {
    EXPECT_EQ(textOf(result.value), "earlier") << name;
  }
  return {outcome, into && into->type == mzVariantS::typeInt ? into->intValue : -99};
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
  } cases[] = {
      {document.get(), "ValidObj", mzInvokePropertyGet, 0, 1},
      {document.get(), "validobj", mzInvokePropertyGet, 0, 1},
      {document.get(), "VALIDOBJ", proxyAnyKind, 0, 1},
      {document.get(), "ValidObj", proxyAnyKind, 0, 1},
      {empty.get(), "ValidObj", mzInvokePropertyGet, 0, 0},
      {empty.get(), "vALIDoBJ", mzInvokePropertyGet, 0, 0},
      // No put row, and a method finds the get's integer, which is no object to call.
      {document.get(), "ValidObj", mzInvokePropertyPut, 1, -99},
      {document.get(), "ValidObj", mzInvokeMethod, 1, -99},
      {document.get(), "ValidObjX", mzInvokePropertyGet, 1, -99},
  };
  for (const caseS& c : cases) {
    for (priorE prior : allPriors) {
      SCOPED_TRACE(std::string(c.name) + " kind " + std::to_string(c.kind) + " prior " + std::to_string(int(prior)));
      const auto [outcome, value] = invokeInto(c.object, c.name, c.kind, prior);
      EXPECT_EQ(outcome, c.outcome);
      EXPECT_EQ(value, prior == priorE::none ? -99 : c.value);
    }
  }
  expectFailure(get(document.get(), "ValidObjX"), "methode:ValidObjX");
}

TEST(proxyValueRowT, ValueRowsReadTheObjectWhereverTheyStand) {
  dispatchT object(new levelProxyC());
  auto* proxy = static_cast<levelProxyC*>(object.get());
  for (int32_t level : {3, -7, 0}) {
    proxy->level = level;
    for (priorE prior : allPriors) {
      SCOPED_TRACE("level " + std::to_string(level) + " prior " + std::to_string(int(prior)));
      const int32_t expected = prior == priorE::none ? -99 : level;
      for (const char* name : {"Level", "level", "LEVEL"})
        EXPECT_EQ(invokeInto(object.get(), name, mzInvokePropertyGet, prior).second, expected);
      EXPECT_EQ(invokeInto(object.get(), "Twice", mzInvokePropertyGet, prior).second,
                prior == priorE::none ? -99 : 2 * level);
    }
    // The row in front of the value row still takes its own calls.
    EXPECT_EQ(intOf(method(object.get(), "Twice", {number(level + 1)})), 2 * (level + 1));
  }
  expectFailure(call(object.get(), "Level", mzInvokePropertyGet, {number(1)}), "methode:Level");
}
