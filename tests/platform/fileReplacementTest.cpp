#include "platform/fileReplacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/testFiles.h"

namespace {

using testFiles::scratchFolder;

mode_t permissionsOf(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

}  // namespace

TEST(fileReplacement, ReplacesTheFileTheLinkLeadsToAndKeepsItsPermissions) {
  scratchFolder folder;
  std::string file = folder.file("doc.txt");

  // A new file, then the same file replaced: its permission bits stay.
  ASSERT_TRUE(fileReplacement::replaceFile(file.c_str(), "first"));
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);
  ASSERT_TRUE(fileReplacement::replaceFile(file.c_str(), "second"));
  EXPECT_EQ(testFiles::readBytes(file.c_str()), "second");
  EXPECT_EQ(permissionsOf(file), mode_t(0640));

  // Through a relative link, and a link to that link: the links stay, the file changes.
  ASSERT_EQ(symlink("doc.txt", folder.file("link").c_str()), 0);
  ASSERT_EQ(symlink(folder.file("link").c_str(), folder.file("link2").c_str()), 0);
  ASSERT_TRUE(fileReplacement::replaceFile(folder.file("link2").c_str(), "third"));
  struct stat info;
  ASSERT_EQ(lstat(folder.file("link").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(testFiles::readBytes(file.c_str()), "third");
  EXPECT_EQ(permissionsOf(file), mode_t(0640));

  // A link to a file not there yet creates that file.
  ASSERT_EQ(symlink("later.txt", folder.file("dangling").c_str()), 0);
  ASSERT_TRUE(fileReplacement::replaceFile(folder.file("dangling").c_str(), "made"));
  EXPECT_EQ(testFiles::readBytes(folder.file("later.txt").c_str()), "made");

  // A link that leads round in a circle, a folder, a path through a missing folder: refused.
  ASSERT_EQ(symlink("loop", folder.file("loop").c_str()), 0);
  EXPECT_FALSE(fileReplacement::replaceFile(folder.file("loop").c_str(), "x"));
  EXPECT_FALSE(fileReplacement::replaceFile("/tmp", "x"));
  EXPECT_FALSE(fileReplacement::replaceFile(folder.file("missing/x.txt").c_str(), "x"));
  EXPECT_FALSE(fileReplacement::replaceFile(nullptr, "x"));
  EXPECT_FALSE(fileReplacement::replaceFile("", "x"));

  // A file that may not be written stays refused (the superuser may write anything).
  if (geteuid() != 0) {
    ASSERT_EQ(chmod(file.c_str(), 0440), 0);
    EXPECT_FALSE(fileReplacement::replaceFile(file.c_str(), "fourth"));
    EXPECT_EQ(testFiles::readBytes(file.c_str()), "third");
  }
  EXPECT_EQ(folder.entries(), (std::set<std::string>{"dangling", "doc.txt", "later.txt", "link", "link2", "loop"}));
}

TEST(fileReplacement, DevicesAndPipesAreWrittenInPlace) {
  // A full device fails at the write, and nothing is made beside it.
  std::set<std::string> devices;
  auto listDevices = [] {
    std::set<std::string> names;
    if (DIR* folder = opendir("/dev")) {
      while (dirent* entry = readdir(folder)) names.insert(entry->d_name);
      closedir(folder);
    }
    return names;
  };
  devices = listDevices();
  EXPECT_FALSE(fileReplacement::replaceFile("/dev/full", std::string(100000, 'a')));
  EXPECT_EQ(listDevices(), devices);
  EXPECT_TRUE(fileReplacement::replaceFile("/dev/null", "gone"));

  // A pipe stays a pipe; its reader gets the bytes.
  scratchFolder folder;
  std::string pipe = folder.file("pipe");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(fileReplacement::replaceFile(pipe.c_str(), "through"));
  char got[16] = {};
  EXPECT_EQ(read(reader, got, sizeof got - 1), 7);
  EXPECT_STREQ(got, "through");
  close(reader);
  EXPECT_EQ(folder.entries(), std::set<std::string>{"pipe"});
}
