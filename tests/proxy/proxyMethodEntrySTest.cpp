#include <gtest/gtest.h>

#include "proxy/proxyMethodEntryS.h"

namespace {

void handlerA(void*, proxyAutoParaListC&, proxyAutoTypeCastC&) {}
void handlerB(void*, proxyAutoParaListC&, proxyAutoTypeCastC&) {}

constexpr proxyMethodEntryS baseRows[] = {
    {"Count", mzInvokePropertyGet, 0, &handlerA}, {"", mzInvokeMethod, 0, &handlerA}, {}};
constexpr proxyMethodEntryS classRows[] = {
    {"count", mzInvokePropertyGet, 0, &handlerB}, {"Add", mzInvokeMethod, 1, &handlerB}, {}};

}  // namespace

TEST(proxyMethodEntryS, RegisteredRowsGoInFrontOfTheHeldOnes) {
  proxyMethodTableS table{const_cast<proxyMethodEntryS*>(baseRows), 0};
  EXPECT_EQ(table.getCount(), 2u);
  registerMethodTable(table, classRows);
  EXPECT_EQ(table.owned, 1u);
  ASSERT_EQ(table.getCount(), 4u);
  EXPECT_STREQ(table.getName(1), "Add");
  EXPECT_STREQ(table.getName(2), "Count");
  EXPECT_EQ(table.getName(4), nullptr);
  EXPECT_EQ(table.getKind(99), 0u);

  const proxyMethodEntryS* first = findMethodEntry(table, "COUNT", mzInvokePropertyGet, nullptr);
  EXPECT_EQ(first, table.getEntry(0));
  EXPECT_EQ(findMethodEntry(table, "COUNT", mzInvokePropertyGet, first + 1), table.getEntry(2));
  EXPECT_EQ(findMethodEntry(table, "add", proxyAnyKind, nullptr), table.getEntry(1));
  EXPECT_EQ(findMethodEntry(table, nullptr, mzInvokeMethod, nullptr), table.getEntry(3));
  EXPECT_EQ(findMethodEntry(table, "Coun", proxyAnyKind, nullptr), nullptr);

  releaseMethodTable(table);
  EXPECT_EQ(table.rows, nullptr);
  EXPECT_EQ(findMethodEntry(table, "Count", proxyAnyKind, nullptr), nullptr);
}
