#include <gtest/gtest.h>

#include "platform/asciiCase.h"
#include "platform/clock.h"
#include "platform/messageBox.h"
#include "platform/moduleLoader.h"
#include "platform/registryTable.h"

TEST(RegistryTable, KeysIgnoreCaseAndValuesMustFit) {
  registryTable::clear();
  char buffer[8];
  EXPECT_FALSE(registryTable::queryDefaultText("SOFTWARE\\X", buffer, sizeof buffer));
  registryTable::setDefaultText("SOFTWARE\\X", "C:\\x");
  ASSERT_TRUE(registryTable::queryDefaultText("software\\x", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "C:\\x");
  registryTable::setDefaultText("SOFTWARE\\X", "12345678");  // 9 bytes with its terminator
  EXPECT_FALSE(registryTable::queryDefaultText("SOFTWARE\\X", buffer, sizeof buffer));
  registryTable::removeKey("SOFTWARE\\x");
  EXPECT_FALSE(registryTable::queryDefaultText("SOFTWARE\\X", buffer, sizeof buffer));
}

TEST(MessageBox, RecordsWithoutBlocking) {
  messageBox::resetShown();
  messageBox::show("text", "Error");
  messageBox::show(nullptr, "Caption");
  EXPECT_EQ(messageBox::lastShown().text, "");
  EXPECT_EQ(messageBox::lastShown().caption, "Caption");
  EXPECT_EQ(messageBox::lastShown().count, 2);
}

TEST(ModuleLoader, MissingLibrariesAndEntries) {
  EXPECT_EQ(moduleLoader::load("/nonexistent/libnothing.so"), nullptr);
  EXPECT_EQ(moduleLoader::load(nullptr), nullptr);
  EXPECT_EQ(moduleLoader::findEntry(nullptr, "x"), nullptr);
  EXPECT_FALSE(moduleLoader::fileExists("/nonexistent"));
  EXPECT_FALSE(moduleLoader::fileExists("/tmp"));  // a folder is not a library file
}

TEST(WallClock, CanBeFrozenForTests) {
  wallClock::freezeAt({10, 700});
  EXPECT_EQ(wallClock::now().seconds, 10u);
  EXPECT_EQ(wallClock::now().milliseconds, 700u);
  wallClock::release();
  EXPECT_GT(wallClock::now().seconds, 1700000000u);
  EXPECT_LT(wallClock::now().milliseconds, 1000u);
}

TEST(AsciiCase, FoldsAsciiLettersOnly) {
  EXPECT_TRUE(asciiCase::equal("MZIIDDSP", "mziiddsp"));
  EXPECT_FALSE(asciiCase::equal("\xC4", "\xE4"));  // Latin-1 letters are not folded
  EXPECT_LT(asciiCase::compare("abc", "ABD"), 0);
  EXPECT_LT(asciiCase::compare("ab", "ABC"), 0);
  EXPECT_EQ(asciiCase::toUpper('\xFF'), '\xFF');
}
