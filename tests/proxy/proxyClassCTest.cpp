// Class descriptions: one merged table per class, shared by its objects, and the lookup by
// name that finds the rows of a name in table order.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <array>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "proxy/proxyClassC.h"
#include "tests/helpers/scriptCalls.h"
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

// Handlers that answer their own number, so that a call shows which row ran.
template <int number>
void answer(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(number);
}

template <int... numbers>
constexpr std::array<proxyMethodHandlerT, sizeof...(numbers)> answers(std::integer_sequence<int, numbers...>) {
  return {&answer<numbers>...};
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

// Names of every length up to 40, each beside a twin that differs in one byte only (first,
// middle or last, where the index packs or overlaps a name's bytes), and names whose bytes
// differ only in bit 5 where it folds no letter: a call by name through Invoke runs the row of
// its own name, in either case, and a name the table lacks finds nothing.
TEST(proxyClassC, CallsFindTheirOwnNameAmongNearTwins) {
  std::vector<std::string> names;
  for (size_t length = 0; length <= 40; ++length) {
    std::string name;
    for (size_t i = 0; i < length; ++i) name += char('a' + (i * 7) % 26);
    names.push_back(name);
    if (length == 0) continue;
    for (size_t at : {size_t(0), length / 2, length - 1}) {
      std::string twin = name;
      twin[at] = twin[at] == 'q' ? 'r' : 'q';
      if (twin != name) names.push_back(twin);
    }
  }
  for (const char* name : {"a@b", "x[y]", "tilde^", "under_score", "digit1"}) names.push_back(name);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());

  constexpr auto handlers = answers(std::make_integer_sequence<int, 200>());
  ASSERT_LE(names.size(), handlers.size());
  std::vector<proxyMethodEntryS> rows;
  for (size_t i = 0; i < names.size(); ++i) rows.push_back({names[i].c_str(), mzInvokeMethod, 0, handlers[i]});
  rows.push_back({});
  const proxyClassC twins("class twinsC *", rows.data(), nullptr);
  mzSmartPtr<mzIDispatch> object(held(new proxyObjectC(twins, 0)), false);

  for (size_t i = 0; i < names.size(); ++i) {
    for (const std::string& spelling : {names[i], swappedCase(names[i].c_str())}) {
      invokeTest::callS done = invokeTest::call(object.get(), spelling.c_str(), mzInvokeMethod);
      EXPECT_EQ(done.outcome, 0u) << spelling;
      EXPECT_EQ(done.result.intValue, int(i)) << spelling;
    }
  }
  std::vector<std::string> absent = {"a`b", "x{y}", "tilde~", "under\x7fscore", "digit!"};
  for (const std::string& name : names) {
    if (name.empty()) continue;
    for (size_t at : {name.size() / 2, name.size() - 1}) {
      std::string other = name;
      other[at] = '#';
      absent.push_back(other);
    }
    absent.push_back(name + "#");
  }
  for (const std::string& name : absent) {
    invokeTest::callS done = invokeTest::call(object.get(), name.c_str(), mzInvokeMethod);
    EXPECT_EQ(done.outcome, 1u) << name;
    EXPECT_EQ(done.source, "methode:" + name);
  }
}

// A name is read in words where it lies: one that ends on the last byte of a page before a
// page that may not be read, and one followed in memory by other bytes, each runs the row of
// its own name, and a near name finds nothing.
TEST(proxyClassC, NamesAreFoundWhereverTheyLie) {
  std::vector<std::string> names;
  for (size_t length = 0; length <= 20; ++length)
    names.push_back(std::string("ValidObjectNameOfMany").substr(0, length));
  constexpr auto handlers = answers(std::make_integer_sequence<int, 21>());
  std::vector<proxyMethodEntryS> rows;
  for (size_t i = 0; i < names.size(); ++i) rows.push_back({names[i].c_str(), mzInvokePropertyGet, 0, handlers[i]});
  rows.push_back({});
  const proxyClassC prefixes("class prefixesC *", rows.data(), nullptr);
  mzSmartPtr<mzIDispatch> object(held(new proxyObjectC(prefixes, 0)), false);

  const size_t pageBytes = size_t(sysconf(_SC_PAGESIZE));
  void* pages = mmap(nullptr, 2 * pageBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(pages, MAP_FAILED);
  ASSERT_EQ(mprotect(static_cast<char*>(pages) + pageBytes, pageBytes, PROT_NONE), 0);
  char* pageEnd = static_cast<char*>(pages) + pageBytes;
  for (size_t i = 0; i < names.size(); ++i) {
    for (const std::string& spelling : {names[i], swappedCase(names[i].c_str())}) {
      char* atEnd = pageEnd - spelling.size() - 1;
      std::memcpy(atEnd, spelling.c_str(), spelling.size() + 1);
      invokeTest::callS done = invokeTest::call(object.get(), atEnd, mzInvokePropertyGet);
      EXPECT_EQ(done.outcome, 0u) << spelling;
      EXPECT_EQ(done.result.intValue, int(i)) << spelling;

      char followed[48];
      std::memset(followed, 'y', sizeof followed);
      std::memcpy(followed + 1, spelling.c_str(), spelling.size() + 1);
      done = invokeTest::call(object.get(), followed + 1, mzInvokePropertyGet);
      EXPECT_EQ(done.outcome, 0u) << spelling;
      EXPECT_EQ(done.result.intValue, int(i)) << spelling;
    }
  }
  std::strcpy(pageEnd - 4, "Vay");
  EXPECT_EQ(invokeTest::call(object.get(), pageEnd - 4, mzInvokePropertyGet).outcome, 1u);
  std::strcpy(pageEnd - 23, "ValidObjectNameOfManyy");
  EXPECT_EQ(invokeTest::call(object.get(), pageEnd - 23, mzInvokePropertyGet).outcome, 1u);
  munmap(pages, 2 * pageBytes);
}

// A name is found at every place of a page between two that may not be read: from its first
// byte on, and ending on every one of its last bytes, in either case; a near name at those
// places finds nothing.
TEST(proxyClassC, NamesAreFoundAtEveryPlaceOfAPage) {
  const std::vector<std::string> names = {"", "X", "ValidObj", "ValidObjectName", "ValidObjectNameOf",
                                          "AnswerOfManyLettersAndMore"};
  constexpr auto handlers = answers(std::make_integer_sequence<int, 6>());
  std::vector<proxyMethodEntryS> rows;
  for (size_t i = 0; i < names.size(); ++i) rows.push_back({names[i].c_str(), mzInvokeMethod, 0, handlers[i]});
  rows.push_back({});
  const proxyClassC placed("class placedC *", rows.data(), nullptr);
  mzSmartPtr<mzIDispatch> object(held(new proxyObjectC(placed, 0)), false);

  const size_t pageBytes = size_t(sysconf(_SC_PAGESIZE));
  void* pages = mmap(nullptr, 3 * pageBytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(pages, MAP_FAILED);
  char* page = static_cast<char*>(pages) + pageBytes;
  ASSERT_EQ(mprotect(page, pageBytes, PROT_READ | PROT_WRITE), 0);
  for (size_t i = 0; i < names.size(); ++i) {
    const std::pair<std::string, bool> spellings[] = {
        {names[i], true}, {swappedCase(names[i].c_str()), true}, {names[i] + "#", false}};
    for (const auto& [spelling, known] : spellings) {
      const size_t bytes = spelling.size() + 1;
      for (size_t offset = 0; offset <= 40; ++offset) {
        for (char* at : {page + offset, page + pageBytes - bytes - offset}) {
          std::memcpy(at, spelling.c_str(), bytes);
          invokeTest::callS done = invokeTest::call(object.get(), at, mzInvokeMethod);
          EXPECT_EQ(done.outcome, known ? 0u : 1u) << spelling << " at " << (at - page);
          EXPECT_EQ(done.result.intValue, known ? int(i) : 0) << spelling << " at " << (at - page);
          std::memset(at, 'y', bytes);
        }
      }
    }
  }
  munmap(pages, 3 * pageBytes);
}
