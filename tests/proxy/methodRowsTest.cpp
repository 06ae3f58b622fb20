// The row toolkit as a host reaches it: fields by key word with each put policy, an integer
// view of a stored double, the class rows of a factory and Create by name, all through Invoke.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "docproxy/mDocumentPrefsC.h"
#include "proxy/createListByName.h"
#include "proxy/factoryRows.h"
#include "proxy/fieldRows.h"
#include "tests/proxy/metaProxyTestHelpers.h"
#include "tests/core/treeTestHelpers.h"

using namespace metaProxyTest;
using namespace methodRows;

namespace {

class prxRowsProbeC : public prxMetaObjectBaseC {
 public:
  explicit prxRowsProbeC(const metaObjectC& source) : prxMetaObjectBaseC(source) { setClass(description); }
  void* getNativePointer() override { return this; }
  static const proxyClassC description;
};

constexpr char keptKey[] = "KEPT";
constexpr char replacedKey[] = "REPLACED";
constexpr const char* probeKey = "PROBE";

proxyObjectC* newProbe() { return new prxRowsProbeC(metaObjectC::createWithKeyword(probeKey, 1)); }

constexpr namedMakerS probeMakers[] = {{"rowsprobe", &newProbe}};

using prefsT = mDocumentPrefsC;
constexpr auto rows = rowTable(textAttributeRows<keptKey, otherKindE::keep, putAnswerE::one>("Kept"),
                               textAttributeRows<replacedKey, otherKindE::replace>("Replaced"),
                               integerRows<&prefsT::getUnitBase, &prefsT::setUnitBase>("Units"),
                               classRows<prxRowsProbeC, probeKey, "probe">(),
                               createRow<probeMakers, &createListByName>("Make"));

}  // namespace

const proxyClassC prxRowsProbeC::description("class prxRowsProbeC *", rows, &prxMetaObjectBaseC::description);

namespace {

TEST(methodRows, FieldsKeepTheirPolicyAndFactoryRowsMakeByName) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct caseS {
    const char* member;
    uint32_t kind;
    mzVariantS argument;
    uint32_t outcome;
    std::string answer;  // the text, integer or class key answered; "" for none
    std::string tree;    // the probe's compact text afterwards
  } cases[] = {
      // A text over a stored number: kept, the number stays and nothing is stored.
      {"Kept", mzInvokePropertyPut, text("a"), 0, "1", "PROBE{KEPT{1}REPLACED{2}UNITBASE{\"u\"}}"},
      // Replaced: the text goes in front of the number.
      {"replaced", mzInvokeMethod, text("b"), 0, "PROBE", "PROBE{KEPT{1}REPLACED{\"b\",2}UNITBASE{\"u\"}}"},
      {"Replaced", mzInvokePropertyGet, {}, 0, "b", "PROBE{KEPT{1}REPLACED{\"b\",2}UNITBASE{\"u\"}}"},
      // A double seen as an integer: truncated on the way in.
      {"Units", mzInvokePropertyPut, invokeTest::doubleValue(-7.9), 0, "PROBE",
       "PROBE{KEPT{1}REPLACED{\"b\",2}UNITBASE{-7,\"u\"}}"},
      {"Units", mzInvokePropertyGet, {}, 0, "-7", "PROBE{KEPT{1}REPLACED{\"b\",2}UNITBASE{-7,\"u\"}}"},
      {"Units", mzInvokePropertyPut, invokeTest::doubleValue(nan), 1, "", "PROBE{KEPT{1}REPLACED{\"b\",2}UNITBASE{-7,\"u\"}}"},
      {"keyprobe", mzInvokeMethod, {}, 0, "PROBE", "PROBE{KEPT{1}REPLACED{\"b\",2}UNITBASE{-7,\"u\"}}"},
      // Create by name: the family's table in any letter case, then the lists, else nothing.
      {"Make", mzInvokeMethod, text("RowsProbe"), 0, "PROBE", "PROBE{KEPT{1}REPLACED{\"b\",2}UNITBASE{-7,\"u\"}}"},
      {"Make", mzInvokeMethod, text("PRXMSTRINGLIST"), 0, "STRLIST", "PROBE{KEPT{1}REPLACED{\"b\",2}UNITBASE{-7,\"u\"}}"},
      {"Make", mzInvokeMethod, text("rowsprobe "), 0, "", "PROBE{KEPT{1}REPLACED{\"b\",2}UNITBASE{-7,\"u\"}}"},
  };
  dispatchT probe(new prxRowsProbeC(metaObjectC(treeTest::parse("PROBE{KEPT{1}REPLACED{2}UNITBASE{\"u\"}}"), 1)));
  for (caseS& c : cases) {
    SCOPED_TRACE(c.member);
    invokeTest::callS done = c.argument.type == mzVariantS::typeEmpty ? invokeTest::call(probe.get(), c.member, c.kind)
                                                                     : invokeTest::call(probe.get(), c.member, c.kind, {c.argument});
    EXPECT_EQ(done.outcome, c.outcome);
    std::string answer;
    if (done.result.type == mzVariantS::typeInt) answer = std::to_string(done.result.intValue);
    else if (done.result.type == mzVariantS::typeInterface) answer = textOf(get(objectOf(std::move(done)).get(), "classkey"));
    else if (done.outcome == 0 && done.result.type != mzVariantS::typeEmpty) answer = invokeTest::textOf(done.result);
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(written(probe.get()), c.tree);
  }
  dispatchT other(new prxRowsProbeC(metaObjectC(treeTest::parse("OTHER{}"), 1)));
  EXPECT_EQ(intOf(method(probe.get(), "isprobe", {mzVariantS(static_cast<mzIUnknown*>(probe.get()))})), 1);
  EXPECT_EQ(intOf(method(probe.get(), "isprobe", {mzVariantS(static_cast<mzIUnknown*>(other.get()))})), 0);
}

}  // namespace
