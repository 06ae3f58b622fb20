#include "memman/memTrackCallStack.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// An exported member function of the C++ runtime, so that its symbol can be found.
uint64_t runtimeErrorWhat() {
  return reinterpret_cast<uintptr_t>(dlsym(RTLD_DEFAULT, "_ZNKSt13runtime_error4whatEv"));
}

std::string hex(uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(value));
  return text;
}

}  // namespace

TEST(memTrackCallStack, OneLinePerFrameUntilTheFirstZeroEntry) {
  uint64_t what = runtimeErrorWhat();
  if (!what) GTEST_SKIP() << "the C++ runtime exports no std::runtime_error::what";
  uint64_t record[memTrackStackDepth] = {what, 0x10, 0, what};
  std::string text;
  formatCallStack(record, text);
  std::string whatLine = "no file(0) : std::runtime_error::what() const (" + hex(what) + " Modul: ";
  ASSERT_EQ(text.rfind(whatLine, 0), 0u) << text;
  size_t end = text.find('\n');
  EXPECT_NE(text.substr(0, end).find("libstdc++"), std::string::npos) << text;
  EXPECT_EQ(text.substr(end + 1), "no file(0) : unknwon (10 Modul: )\n");

  char buffer[2048];
  fixedText raw(buffer, sizeof buffer);
  formatCallStackRaw(record, raw);
  EXPECT_EQ(std::string(raw.text()).rfind("no file(0) : _ZNKSt13runtime_error4whatEv (" + hex(what) + " Modul: ", 0), 0u)
      << raw.text();
  EXPECT_EQ(std::string(raw.text()).substr(std::string(raw.text()).find('\n') + 1), "no file(0) : unknwon (10 Modul: )\n");
}

TEST(memTrackCallStack, AFullRecordPrintsAllSixteenFrames) {
  uint64_t record[memTrackStackDepth];
  for (int i = 0; i < memTrackStackDepth; ++i) record[i] = 0x100 + i;
  std::string text;
  formatCallStack(record, text);
  std::string expected;
  for (int i = 0; i < memTrackStackDepth; ++i) expected += "no file(0) : unknwon (" + hex(0x100 + i) + " Modul: )\n";
  EXPECT_EQ(text, expected);
}
