// Class descriptions: one merged table per class, shared by its objects, and the lookup by
// name that finds the rows of a name in table order.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "proxy/proxyClassC.h"
#include "tests/proxy/testProxies.h"

namespace {

void handlerA(void*, proxyAutoParaListC&, proxyAutoTypeCastC&) {}
void handlerB(void*, proxyAutoParaListC&, proxyAutoTypeCastC&) {}

constexpr proxyMethodEntryS baseRows[] = {
    {"Count", mzInvokePropertyGet, 0, &handlerA}, {"", mzInvokeMethod, 0, &handlerA}, {}};
constexpr proxyMethodEntryS classRows[] = {
    {"count", mzInvokePropertyGet, 0, &handlerB}, {"Add", mzInvokeMethod, 1, &handlerB}, {}};

// The rows findMethodEntry visits for name, of any kind: the order the lookup must keep.
std::vector<const proxyMethodEntryS*> scanned(const proxyMethodTableS& table, const char* name) {
  std::vector<const proxyMethodEntryS*> rows;
  for (const proxyMethodEntryS* row = findMethodEntry(table, name, proxyAnyKind, nullptr); row;
       row = findMethodEntry(table, name, proxyAnyKind, row + 1))
    rows.push_back(row);
  return rows;
}

std::vector<const proxyMethodEntryS*> found(const proxyClassC& description, const char* name) {
  proxyClassC::rowsOfNameS rows = description.findRows(name);
  return std::vector<const proxyMethodEntryS*>(rows.rows, rows.rows + rows.count);
}

std::string swappedCase(const char* name) {
  std::string text = name ? name : "";
  for (char& c : text) c = char(std::islower(static_cast<unsigned char>(c)) ? std::toupper(c) : std::tolower(c));
  return text;
}

}  // namespace

TEST(proxyClassC, MergesOnceAndEveryObjectSharesItsClassTable) {
  const proxyClassC base("class baseC *", baseRows, nullptr);
  const proxyClassC derived("class derivedC *", classRows, &base);
  const proxyClassC addsNothing("class sameC *", nullptr, &derived);

  EXPECT_EQ(base.getMethodTable().rows, baseRows);
  EXPECT_EQ(base.getMethodTable().owned, 0u);
  const proxyMethodTableS& merged = derived.getMethodTable();
  EXPECT_EQ(merged.owned, 1u);
  ASSERT_EQ(merged.getCount(), 4u);
  for (uint32_t i = 0; i < 4; ++i) EXPECT_STREQ(merged.getName(i), (i < 2 ? classRows[i] : baseRows[i - 2]).name);
  EXPECT_EQ(&derived.getMethodTable(), &merged);
  EXPECT_EQ(addsNothing.getMethodTable().rows, merged.rows);
  EXPECT_EQ(addsNothing.getMethodTable().owned, 0u);
  EXPECT_STREQ(addsNothing.getTypeName(), "class sameC *");

  int registered = 0;
  for (const proxyClassC* each = proxyClassC::first(); each; each = each->getNext()) registered += each == &derived;
  EXPECT_EQ(registered, 1);

  mzSmartPtr<mzIDispatch> first(held(new testDerivedProxyC()), false);
  mzSmartPtr<mzIDispatch> second(held(new testDerivedProxyC()), false);
  auto table = [](const mzSmartPtr<mzIDispatch>& proxy) {
    return &static_cast<proxyObjectC*>(proxy.get())->getMethodTable();
  };
  EXPECT_EQ(table(first), table(second));
  EXPECT_EQ(table(first), &testDerivedProxyC::description.getMethodTable());
  EXPECT_STREQ(static_cast<proxyObjectC*>(first.get())->getTypeName(), "class testDerivedProxyC *");
}

// For every class of the library and every name of its table, in its own and in swapped
// case, the index gives the rows a scan of the table gives, in the same order.
TEST(proxyClassC, FindsEveryRowOfANameInTableOrder) {
  proxyClassC::prepareAll();
  int classes = 0;
  for (const proxyClassC* description = proxyClassC::first(); description; description = description->getNext()) {
    ++classes;
    const proxyMethodTableS& table = description->getMethodTable();
    for (uint32_t i = 0; i < table.getCount(); ++i) {
      const char* name = table.getName(i);
      EXPECT_EQ(found(*description, name), scanned(table, name)) << description->getTypeName() << " " << name;
      std::string swapped = swappedCase(name);
      EXPECT_EQ(found(*description, swapped.c_str()), scanned(table, swapped.c_str()));
    }
    for (const char* absent : {"noSuchMember", "Coun", "Countt", "x y"})
      EXPECT_TRUE(found(*description, absent).empty()) << description->getTypeName() << " " << absent;
  }
  EXPECT_GT(classes, 30);

  // Many names of one length and first and last letters: the probes must still tell them apart.
  std::vector<std::string> names;
  for (int i = 0; i < 300; ++i) names.push_back("m" + std::to_string(1000 + i) + "x");
  std::vector<proxyMethodEntryS> rows;
  for (const std::string& name : names) rows.push_back({name.c_str(), mzInvokeMethod, 0, &handlerA});
  rows.push_back({names[7].c_str(), mzInvokeMethod, 1, &handlerB});
  rows.push_back({"", mzInvokeMethod, 0, &handlerB});
  rows.push_back({});
  const proxyClassC crowded("class crowdedC *", rows.data(), nullptr);
  for (const std::string& name : names)
    EXPECT_EQ(found(crowded, name.c_str()), scanned(crowded.getMethodTable(), name.c_str()));
  EXPECT_EQ(found(crowded, names[7].c_str()).size(), 2u);
  EXPECT_EQ(found(crowded, nullptr), scanned(crowded.getMethodTable(), ""));
  EXPECT_TRUE(found(crowded, "m0999x").empty());
}
