#include "platform/codeSymbol.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

namespace {

int hiddenFunction(int x) { return x * 3; }

}  // namespace

TEST(codeSymbol, ExportedCodeIsNamedAndOtherAddressesAreNot) {
  auto* what = reinterpret_cast<char*>(dlsym(RTLD_DEFAULT, "_ZNKSt13runtime_error4whatEv"));
  if (!what) GTEST_SKIP() << "the C++ runtime exports no std::runtime_error::what";
  codeSymbolS found = lookupCodeSymbol(reinterpret_cast<uintptr_t>(what + 1));
  ASSERT_NE(found.name, nullptr);
  EXPECT_STREQ(found.name, "_ZNKSt13runtime_error4whatEv");
  EXPECT_NE(std::string(found.module).find("libstdc++"), std::string::npos) << found.module;
  EXPECT_TRUE(isExecutableAddress(reinterpret_cast<uintptr_t>(what)));

  codeSymbolS hidden = lookupCodeSymbol(reinterpret_cast<uintptr_t>(&hiddenFunction));
  EXPECT_EQ(hidden.name, nullptr) << hidden.name;
  EXPECT_STRNE(hidden.module, "");
  EXPECT_TRUE(isExecutableAddress(reinterpret_cast<uintptr_t>(&hiddenFunction)));

  static int data = 1;
  EXPECT_FALSE(isExecutableAddress(reinterpret_cast<uintptr_t>(&data)));
  codeSymbolS nowhere = lookupCodeSymbol(0x10);
  EXPECT_EQ(nowhere.name, nullptr);
  EXPECT_STREQ(nowhere.module, "");
  EXPECT_FALSE(isExecutableAddress(0x10));
}

TEST(codeSymbol, DemanglingKeepsPlainNames) {
  EXPECT_EQ(demangleSymbolName("_ZNKSt13runtime_error4whatEv"), "std::runtime_error::what() const");
  EXPECT_EQ(demangleSymbolName("abort"), "abort");
  EXPECT_EQ(demangleSymbolName("_Zbroken"), "_Zbroken");
  EXPECT_EQ(demangleSymbolName(nullptr), "");
  EXPECT_EQ(demangleTypeName("9metaTreeC"), "metaTreeC");
  EXPECT_EQ(demangleTypeName("*N12_GLOBAL__N_15localE"), "(anonymous namespace)::local");
}
