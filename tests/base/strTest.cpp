#include "base/str.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "memman/memManPoolC.h"

namespace {

std::string text(const str& s) { return std::string(s.c_str(), size_t(s.length())); }

// The buffer is exact: length + 1 bytes, in a heap block of exactly that size.
void expectExactBuffer(const str& s) {
  if (!s.buffer.data) {
    EXPECT_EQ(s.buffer.size, 0u);
    return;
  }
  EXPECT_EQ(s.buffer.size, uint32_t(s.length()) + 1);
  EXPECT_EQ(memDataPoolBlockSize(s.buffer.data), s.buffer.size);
  EXPECT_EQ(s.buffer.data[s.buffer.size - 1], '\0');
}

// Sets the process's numeric locale to one whose decimal point is a comma, as a host may do.
// Uses an installed locale when there is one, else compiles a minimal one into a scratch folder.
class commaNumericLocale {
 public:
  commaNumericLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"})
      if (select(name)) return;
    char folder[] = "/tmp/rudezaze-locale-XXXXXX";
    if (!mkdtemp(folder)) return;
    folder_ = folder;
    std::ofstream(folder_ + "/comma.src") << "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"<U002E>\"\n"
                                             "grouping 3;3\nEND LC_NUMERIC\n";
    std::string command = "localedef -c -i " + folder_ + "/comma.src -f ANSI_X3.4-1968 " + folder_ +
                          "/comma_TEST >/dev/null 2>&1";
    if (std::system(command.c_str()) == -1) return;
    setenv("LOCPATH", folder_.c_str(), 1);
    select("comma_TEST");
  }

  ~commaNumericLocale() {
    setlocale(LC_NUMERIC, "C");
    if (!folder_.empty()) {
      unsetenv("LOCPATH");
      std::filesystem::remove_all(folder_);
    }
  }

  bool active() const { return active_; }

 private:
  bool select(const char* name) {
    if (!setlocale(LC_NUMERIC, name)) return false;
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    active_ = std::string(probe) == "1,5";
    if (!active_) setlocale(LC_NUMERIC, "C");
    return active_;
  }

  std::string folder_;
  bool active_ = false;
};

// The "%.*g" text of the C library in the "C" locale, set for this thread only.
std::string printfText(double value, int precision) {
  locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
  locale_t previous = uselocale(cLocale);
  char buffer[2048];
  std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
  uselocale(previous);
  freelocale(cLocale);
  return buffer;
}

}  // namespace

TEST(Str, LayoutIsTablePointerThenBuffer) {
  str s("x");
  EXPECT_EQ(sizeof(str), 32u);
  EXPECT_EQ(reinterpret_cast<char*>(&s.buffer) - reinterpret_cast<char*>(&s), 8);
  EXPECT_EQ(reinterpret_cast<char*>(&s.buffer.data) - reinterpret_cast<char*>(&s), 16);
  EXPECT_EQ(reinterpret_cast<char*>(&s.buffer.size) - reinterpret_cast<char*>(&s), 24);
}

TEST(Str, BothEmptyFormsBehaveAlikeAndComparisonsFollowTheTable) {
  str none;
  str oneByte("");
  const char* nullText = nullptr;
  EXPECT_EQ(none.buffer.data, nullptr);
  EXPECT_EQ(oneByte.buffer.size, 1u);
  for (const str* s : {&none, &oneByte}) {
    EXPECT_EQ(s->length(), 0);
    EXPECT_STREQ(s->c_str(), "");
    EXPECT_TRUE(*s == nullText);
    EXPECT_TRUE(*s == "");
    EXPECT_FALSE(*s == "a");
    EXPECT_EQ(s->find('a'), -1);
    EXPECT_EQ(s->find("a"), -1);
    EXPECT_EQ(s->find(""), -1);
    EXPECT_EQ(s->reverseFind('a'), -1);
    EXPECT_EQ(s->findNoCase("a"), -1);
    EXPECT_EQ(s->mid(0, 1).length(), 0);
  }
  EXPECT_TRUE(none == oneByte);

  // Less and greater: a string without a buffer sorts before every text, even "".
  EXPECT_FALSE(none < nullText);
  EXPECT_TRUE(none < "");
  EXPECT_TRUE(none < "a");
  EXPECT_FALSE(none > nullText);
  EXPECT_FALSE(none > "");
  EXPECT_FALSE(oneByte < nullText);
  EXPECT_TRUE(oneByte > nullText);
  EXPECT_FALSE(oneByte < "");
  EXPECT_TRUE(oneByte < "a");

  str abc("abc");
  EXPECT_EQ(abc.buffer.size, 4u);
  EXPECT_EQ(abc.length(), 3);
  EXPECT_FALSE(abc == nullText);
  EXPECT_TRUE(abc > nullText);
  EXPECT_FALSE(abc < nullText);
  EXPECT_TRUE(abc < "abd");
  EXPECT_TRUE(abc > "ab");
  EXPECT_FALSE(abc == "ABC");
  // Bytes compare as unsigned values.
  EXPECT_TRUE(abc < "\xff");
  EXPECT_TRUE(str("\xff") > "a");
  EXPECT_EQ(str(nullText).buffer.data, nullptr);
}

TEST(Str, ConstructionAndAssignmentIncludingTheStringsOwnText) {
  str range("abcdef", 1, 4);
  EXPECT_EQ(text(range), "bcd");
  expectExactBuffer(range);
  str emptyRange("abc", 2, 2);
  EXPECT_EQ(emptyRange.buffer.size, 1u);
  str reversedRange("abc", 2, 1);
  EXPECT_EQ(reversedRange.length(), 0);

  str s("hello");
  s.assignRange(s.c_str(), 1, 3);
  EXPECT_EQ(text(s), "el");
  expectExactBuffer(s);

  s = "hello";
  s = s.c_str();
  EXPECT_EQ(text(s), "hello");
  s = s.c_str() + 2;
  EXPECT_EQ(text(s), "llo");
  expectExactBuffer(s);

  str& self = s;
  s = self;
  EXPECT_EQ(text(s), "llo");

  str copy(s);
  EXPECT_NE(copy.buffer.data, s.buffer.data);
  EXPECT_EQ(text(copy), "llo");
  copy = str();
  EXPECT_EQ(copy.buffer.data, nullptr);
  EXPECT_EQ(str(copy).buffer.data, nullptr);

  s = static_cast<const char*>(nullptr);
  EXPECT_EQ(s.buffer.data, nullptr);
  EXPECT_EQ(s.buffer.size, 0u);
  s = "";
  EXPECT_EQ(s.buffer.size, 1u);
}

TEST(Str, NumbersUseAFullStopWhateverLocaleTheHostSet) {
  commaNumericLocale locale;
  if (!locale.active()) GTEST_SKIP() << "no locale with a decimal comma is installed or can be built here";

  EXPECT_EQ(text(str(1.0 / 3.0, 14)), "0.33333333333333");
  EXPECT_EQ(text(str(0.1, 14)), "0.1");
  EXPECT_EQ(text(str(-5.0, 14)), "-5");
  EXPECT_EQ(text(str(1234567.5, 14)), "1234567.5");
  EXPECT_EQ(text(str(123456789012345678.0, 14)), "1.2345678901235e+17");
  EXPECT_EQ(text(str(3.14159265358979323, 14)), "3.1415926535898");
  EXPECT_EQ(text(str(1e300, 14)), "1e+300");
  EXPECT_EQ(text(str(-2.5e-300, 14)), "-2.5e-300");
  EXPECT_EQ(text(str(0.0001, 14)), "0.0001");
  EXPECT_EQ(text(str(0.00001, 14)), "1e-05");
  EXPECT_EQ(text(str(-0.0, 14)), "-0");
  EXPECT_EQ(text(str(3.14159, 3)), "3.14");
  EXPECT_EQ(text(str(3.14159, 0)), "3");
  EXPECT_EQ(text(str(3.14159, -1)), "3.14159");
  EXPECT_EQ(text(str(0.1, 17)), "0.10000000000000001");
  EXPECT_EQ(text(str(std::numeric_limits<double>::infinity(), 14)), "inf");
  expectExactBuffer(str(1.0 / 3.0, 14));

  // The same text as the C formatter in the "C" locale, also for precisions far beyond a double's digits.
  for (double value : {0.0, 1.0, -1.5, 1.0 / 3.0, 2.0 / 3.0, 1e-5, 9.9999999999999e-5, 123456.789, 1e15, 1e16,
                       9.999999999999999e22, 4.9e-324, 2.2250738585072014e-308, 1.7976931348623157e308, 0.5e-4})
    for (int precision : {0, 1, 2, 6, 14, 15, 16, 17, 20, 310, 800, 1000})
      EXPECT_EQ(text(str(value, precision)), printfText(value, precision)) << value << " at " << precision;

  EXPECT_EQ(text(str(0)), "0");
  EXPECT_EQ(text(str(INT_MIN)), "-2147483648");
  EXPECT_EQ(text(str(UINT_MAX)), "4294967295");
  EXPECT_EQ(text(str(-7L)), "-7");
  // A long carries a 32-bit value on the hosts' platform: only those bits are formatted.
  EXPECT_EQ(text(str(0x100000005L)), "5");
  EXPECT_EQ(text(str(0x80000000L)), "-2147483648");
}

TEST(Str, AppendingIncludingTheStringsOwnText) {
  str s;
  s += static_cast<const char*>(nullptr);
  s += "";
  s.append("abc", 0);
  s.append(nullptr, 3);
  EXPECT_EQ(s.buffer.data, nullptr);

  s += 'x';
  EXPECT_EQ(s.buffer.size, 2u);
  s += "yz";
  EXPECT_EQ(text(s), "xyz");
  s += s.c_str();
  EXPECT_EQ(text(s), "xyzxyz");
  expectExactBuffer(s);
  s += s.c_str() + 4;
  EXPECT_EQ(text(s), "xyzxyzyz");
  s.append(s.c_str(), 2);
  EXPECT_EQ(text(s), "xyzxyzyzxy");
  s.append("a\0b", 3);
  EXPECT_EQ(s.length(), 13);
  EXPECT_EQ(s.c_str()[11], '\0');
  expectExactBuffer(s);

  str a("ab");
  EXPECT_EQ(text(a + a), "abab");
  EXPECT_EQ(text(a + "cd"), "abcd");
  EXPECT_EQ(text(a + static_cast<const char*>(nullptr)), "ab");
  EXPECT_EQ(text(str() + str()), "");
}

TEST(Str, GetBufferResizesExactlyAndKeepsWhatFits) {
  str s("abcdef");
  EXPECT_EQ(s.getBuffer(0), nullptr);
  EXPECT_EQ(s.getBuffer(-3), nullptr);
  EXPECT_EQ(text(s), "abcdef");

  char* data = s.getBuffer(4);
  EXPECT_EQ(s.buffer.size, 4u);
  EXPECT_EQ(memDataPoolBlockSize(data), 4u);
  EXPECT_EQ(std::string(data, 3), "abc");
  data[3] = 0;
  EXPECT_EQ(text(s), "abc");

  data = s.getBuffer(10);
  EXPECT_EQ(std::string(data), "abc");  // the bytes the caller has not filled leave a terminated text
  std::snprintf(data, 10, "%s", "123456789");
  EXPECT_EQ(text(s), "123456789");

  str fresh;
  data = fresh.getBuffer(1);
  EXPECT_EQ(fresh.length(), 0);
  EXPECT_STREQ(data, "");
}

TEST(Str, Search) {
  str abc("abc");
  EXPECT_EQ(abc.find('c'), 2);
  EXPECT_EQ(abc.find('\0'), -1);
  EXPECT_EQ(abc.find("bc"), 1);
  EXPECT_EQ(abc.find("BC"), -1);
  EXPECT_EQ(abc.find(""), 0);
  EXPECT_EQ(abc.find("abcd"), -1);
  EXPECT_EQ(abc.findNoCase("BC"), 1);
  EXPECT_EQ(abc.findNoCase("B"), 1);
  EXPECT_EQ(abc.findNoCase('C'), 2);
  EXPECT_EQ(abc.findNoCase(""), 0);
  EXPECT_EQ(abc.findNoCase("ABCD"), -1);
  EXPECT_EQ(str("a-b").findNoCase('-'), 1);

  str aaa("aaa");
  EXPECT_EQ(aaa.reverseFind("aa"), 1);
  EXPECT_EQ(aaa.reverseFind("b"), -1);
  EXPECT_EQ(aaa.reverseFind('a'), 2);
  EXPECT_EQ(aaa.reverseFind(""), -1);
  EXPECT_EQ(str("abcabc").reverseFind("bc"), 4);

  // Only ASCII letters fold: the bytes of a Latin-1 umlaut pair stay distinct.
  str umlaut("x\xe4y");
  EXPECT_EQ(umlaut.findNoCase('\xc4'), -1);
  EXPECT_EQ(umlaut.findNoCase("\xc4Y"), -1);
  EXPECT_EQ(umlaut.findNoCase("\xe4Y"), 1);
}

TEST(Str, SubstringsAndEditsClampOutOfRangeArguments) {
  str abc("abc");
  EXPECT_EQ(text(abc.mid(1, 10)), "bc");
  EXPECT_EQ(abc.mid(3, 1).length(), 0);
  EXPECT_EQ(abc.mid(0, 0).length(), 0);
  EXPECT_EQ(text(abc.left(2)), "ab");
  EXPECT_EQ(text(abc.right(2)), "bc");
  expectExactBuffer(abc.mid(1, 1));

  // Outside the callers' contract, but never out of bounds.
  EXPECT_EQ(text(abc.mid(-2, 3)), "a");
  EXPECT_EQ(text(abc.mid(1, INT_MAX)), "bc");
  EXPECT_EQ(abc.mid(INT_MAX, INT_MAX).length(), 0);
  EXPECT_EQ(abc.mid(INT_MIN, 2).length(), 0);
  EXPECT_EQ(text(abc.left(10)), "abc");
  EXPECT_EQ(text(abc.right(10)), "abc");
  EXPECT_EQ(abc.right(-1).length(), 0);
  EXPECT_EQ(abc.right(INT_MIN).length(), 0);

  str s("abcdef");
  s.insert(3, "XY");
  EXPECT_EQ(text(s), "abcXYdef");
  s.insert(0, s.c_str() + 5);
  EXPECT_EQ(text(s), "defabcXYdef");
  expectExactBuffer(s);
  s.insert(-5, "<");
  s.insert(1000, ">");
  EXPECT_EQ(text(s), "<defabcXYdef>");
  s.insert(2, nullptr);
  EXPECT_EQ(text(s), "<defabcXYdef>");

  s.remove(1, 3);
  EXPECT_EQ(text(s), "<abcXYdef>");
  s.remove(3, 0);
  s.remove(3, -2);
  EXPECT_EQ(text(s), "<abcXYdef>");
  s.remove(-1, 2);
  EXPECT_EQ(text(s), "abcXYdef>");
  s.remove(5, 1000);
  EXPECT_EQ(text(s), "abcXY");
  s.remove(100, 2);
  s.remove(INT_MAX, INT_MAX);
  EXPECT_EQ(text(s), "abcXY");
  s.remove(0, 5);
  EXPECT_EQ(s.length(), 0);
  expectExactBuffer(s);

  str padded("xxabcxx");
  padded.trimLeft('x');
  EXPECT_EQ(text(padded), "abcxx");
  padded.trimRight('x');
  EXPECT_EQ(text(padded), "abc");
  expectExactBuffer(padded);
  str spaces("  a b  ");
  spaces.trim(' ');
  EXPECT_EQ(text(spaces), "a b");
  str only("----");
  only.trim('-');
  EXPECT_EQ(only.length(), 0);
  str none;
  none.trim(' ');
  EXPECT_EQ(none.buffer.data, nullptr);
}

TEST(Str, CaseConversionFoldsAsciiOnly) {
  commaNumericLocale locale;  // a host locale must not widen the folding
  str s("Mixed \xe4\xc4 Case 1");
  s.makeUpper();
  EXPECT_EQ(text(s), "MIXED \xe4\xc4 CASE 1");
  s.makeLower();
  EXPECT_EQ(text(s), "mixed \xe4\xc4 case 1");
  str none;
  none.makeUpper();
  EXPECT_EQ(none.buffer.data, nullptr);

  char buffer[] = "aBc\xe4";
  upperCaseText(buffer);
  EXPECT_STREQ(buffer, "ABC\xe4");
  lowerCaseText(buffer);
  EXPECT_STREQ(buffer, "abc\xe4");
  upperCaseText(nullptr);
  lowerCaseText(nullptr);
}

TEST(Str, EscapingRoundTrips) {
  const char* original = "a\tb\nc\rd\"e\\f\xff\x01g";
  str escaped = escapeString(original);
  EXPECT_EQ(text(escaped), "a\\tb\\nc\\rd\\\"e\\\\f\xff\x01g");
  expectExactBuffer(escaped);
  str back = unescapeString(escaped.c_str());
  EXPECT_EQ(text(back), original);
  expectExactBuffer(back);

  EXPECT_EQ(text(unescapeString("ab\\")), "ab");
  EXPECT_EQ(text(unescapeString("\\q\\\\\\\"")), "q\\\"");
  EXPECT_EQ(text(unescapeString("plain")), "plain");
  EXPECT_EQ(text(unescapeString("\\")), "");
  EXPECT_EQ(escapeString(nullptr).length(), 0);
  EXPECT_EQ(unescapeString(nullptr).length(), 0);

  EXPECT_EQ(text(quoteString("")), "\"\"");
  EXPECT_EQ(text(quoteString(nullptr)), "\"\"");
  EXPECT_EQ(text(quoteString("say \"hi\"\n")), "\"say \\\"hi\\\"\\n\"");
}

TEST(Str, ReplaceString) {
  str source("a.b.c");
  str dot(".");
  str dash("-");
  EXPECT_EQ(text(replaceString(source, dot, dash, 0, -1, true)), "a-b-c");
  EXPECT_EQ(text(replaceString(source, dot, dash, 0, 1, true)), "a-b.c");
  EXPECT_EQ(text(replaceString(source, dot, dash, 2, -1, true)), "a.b-c");
  EXPECT_EQ(text(replaceString(source, dot, dash, 0, 0, true)), "a.b.c");
  EXPECT_EQ(text(replaceString(source, str("x"), dash, 0, -1, true)), "a.b.c");
  EXPECT_EQ(text(replaceString(source, dot, str(), 0, -1, true)), "abc");

  EXPECT_EQ(text(replaceString(str("aXbxc"), str("x"), str("_"), 0, -1, true)), "aXb_c");
  EXPECT_EQ(text(replaceString(str("aXbxc"), str("x"), str("_"), 0, -1, false)), "a_b_c");
  EXPECT_EQ(text(replaceString(str("Hello hello"), str("HELLO"), str("bye"), 0, 2, false)), "bye bye");

  // A replacement containing the search text is not searched again.
  EXPECT_EQ(text(replaceString(str("aaa"), str("a"), str("aa"), 0, -1, true)), "aaaaaa");
  EXPECT_EQ(text(replaceString(str("aaaa"), str("aa"), str("b"), 0, -1, true)), "bb");

  // An empty search text replaces nothing; starts outside the text are clamped.
  EXPECT_EQ(text(replaceString(source, str(""), dash, 0, -1, true)), "a.b.c");
  EXPECT_EQ(text(replaceString(source, str(), dash, 0, -1, false)), "a.b.c");
  EXPECT_EQ(text(replaceString(source, dot, dash, 100, -1, true)), "a.b.c");
  EXPECT_EQ(text(replaceString(source, dot, dash, -3, -1, true)), "a-b-c");
  EXPECT_EQ(text(replaceString(str(), dot, dash, 0, -1, true)), "");
  expectExactBuffer(replaceString(source, dot, str("--"), 0, -1, true));
}
