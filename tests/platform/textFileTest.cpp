#include "platform/textFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/testFiles.h"

TEST(TextFile, LineEndsBecomeCrLfOnDiskAndLfInMemory) {
  EXPECT_EQ(textFile::toDiskText("a\nb\n\n"), "a\r\nb\r\n\r\n");
  EXPECT_EQ(textFile::fromDiskText("a\r\nb\r\n\r\n"), "a\nb\n\n");
  EXPECT_EQ(textFile::fromDiskText("lone\rcr\r"), "lone\rcr\r");
  EXPECT_EQ(textFile::fromDiskText("\r\r\n"), "\r\n");

  testFiles::scratchFile file("text.txt");
  ASSERT_TRUE(textFile::writeTextFile(file.path(), "x\ny\n"));
  EXPECT_EQ(testFiles::readBytes(file.path()), "x\r\ny\r\n");
  std::string back;
  ASSERT_TRUE(textFile::readTextFile(file.path(), back));
  EXPECT_EQ(back, "x\ny\n");

  ASSERT_TRUE(textFile::appendTextFile(file.path(), "z\n"));
  ASSERT_TRUE(textFile::readTextFile(file.path(), back));
  EXPECT_EQ(back, "x\ny\nz\n");
}

TEST(TextFile, FailuresAreReported) {
  std::string text = "untouched";
  EXPECT_FALSE(textFile::readTextFile("/nonexistent/dir/file.txt", text));
  EXPECT_EQ(text, "untouched");
  EXPECT_FALSE(textFile::readTextFile(nullptr, text));
  EXPECT_FALSE(textFile::writeTextFile("/nonexistent/dir/file.txt", "a"));
  // A full device fails at write or close time, and the failure must reach the caller.
  EXPECT_FALSE(textFile::writeTextFile("/dev/full", std::string(100000, 'a')));
}
