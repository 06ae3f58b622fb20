#include "proxy3d/prxm3dFeatForeignC.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>

#include "tests/proxy3d/modelScript.h"
#include "tests/testFiles.h"

using namespace modelScript;
using testFiles::readBytes;
using testFiles::writeBytes;

namespace {

std::set<std::string> namesIn(const char* path) {
  std::set<std::string> names;
  if (DIR* folder = opendir(path)) {
    while (dirent* entry = readdir(folder)) names.insert(entry->d_name);
    closedir(folder);
  }
  return names;
}

class foreignFeatureScript : public poolBalancedTest {
 protected:
  scriptC s;
  testFiles::scratchFolder folder;
  const std::string bytes = std::string("\x00\xFF\x0D\x0A\x1A\x0A\x0D", 7);

  // The foreign feature of a part, sharing its node with the part.
  dispatchT foreignFeature(const char* partText = R"(PART{ITEMS{FOEFEAT{NAME{"X"}}}})") {
    return s.to("toforeign", item(get(s.make("topart", partText), "Features"), 0));
  }
  int importFile(const dispatchT& feature, const char* name, const char* version, const std::string& path) {
    return integer(feature, "ImportFile", {text(name), text(version), text(path.c_str())});
  }
  int exportFile(const dispatchT& feature, const std::string& path) {
    return integer(feature, "ExportFile", {text(path.c_str())});
  }
};

TEST_F(foreignFeatureScript, FilesAreEmbeddedAndWrittenBackByteForByte) {
  dispatchT fe = foreignFeature();
  EXPECT_EQ(typeNameOf(fe), "class prxm3dFeatForeignC *");
  const std::string in = folder.file("in.bin");
  writeBytes(in.c_str(), bytes);
  EXPECT_EQ(importFile(fe, "FMT", "2", in), 1);
  EXPECT_EQ(textOf(fe, "FormatName"), "FMT");
  EXPECT_EQ(textOf(fe, "FormatVersion"), "2");
  EXPECT_EQ(exportFile(fe, folder.file("out.bin")), 1);
  EXPECT_EQ(readBytes(folder.file("out.bin").c_str()), bytes);

  // A folder is no file to embed; what was embedded is gone.
  EXPECT_EQ(importFile(fe, "F", "1", folder.file("")), 0);
  EXPECT_EQ(importFile(fe, "FMT", "2", in), 1);
  EXPECT_EQ(importFile(fe, "A", "B", folder.file("none.bin")), 0);
  EXPECT_EQ(textOf(fe, "FormatName"), "A");
  EXPECT_EQ(textOf(fe, "FormatVersion"), "B");
  EXPECT_EQ(compact(fe), R"(FOEFEAT{NAME{"X"}FEATINFO{FMTNAME{"A"}FMTVERSION{"B"}FILENAME{"none.bin"}}FEATDATA})");
  EXPECT_EQ(exportFile(fe, folder.file("again.bin")), 0);
  EXPECT_EQ(folder.entries(), (std::set<std::string>{"in.bin", "out.bin"}));

  // An empty file embeds as no bytes, which export nothing; a second import keeps one payload.
  writeBytes(folder.file("empty.bin").c_str(), "");
  EXPECT_EQ(importFile(fe, "E", "0", folder.file("empty.bin")), 1);
  EXPECT_EQ(exportFile(fe, folder.file("fromEmpty.bin")), 0);
  EXPECT_EQ(importFile(fe, "FMT", "3", in), 1);
  const std::string written = compact(fe);
  EXPECT_EQ(written.find("FEATDATA"), written.rfind("FEATDATA")) << written;
  EXPECT_EQ(folder.entries().count("fromEmpty.bin"), 0u);
}

TEST_F(foreignFeatureScript, TheFileNameIsThePathAfterItsLastSeparatorAndBadArgumentsChangeNothing) {
  dispatchT fe = foreignFeature();
  const struct {
    const char* path;
    const char* stored;
  } names[] = {{R"(C:\dir/sub\part.bin)", R"(FILENAME{"sub\\part.bin"})"},
               {R"(a\b\c.bin)", R"(FILENAME{"c.bin"})"},
               {"plain.bin", R"(FILENAME{"plain.bin"})"},
               {"/no/such/dir/", R"(FILENAME{""})"}};
  for (const auto& name : names) {
    EXPECT_EQ(importFile(fe, "F", "1", name.path), 0) << name.path;
    EXPECT_NE(compact(fe).find(name.stored), std::string::npos) << compact(fe);
  }

  const std::string before = compact(fe);
  expectFailure(method(fe.get(), "ImportFile", {number(5), text("v"), text("p")}), "methode:ImportFile(Para:1)");
  expectFailure(method(fe.get(), "ImportFile", {text("n"), text("v"), number(5)}), "methode:ImportFile(Para:3)");
  expectFailure(method(fe.get(), "ExportFile", {number(5)}), "methode:ExportFile(Para:1)");
  EXPECT_EQ(compact(fe), before);

  EXPECT_EQ(method(fe, "FormatName", {text("N")}).get(), fe.get());
  EXPECT_EQ(textOf(fe, "FormatName"), "N");
}

TEST_F(foreignFeatureScript, AFailedExportLeavesTheTargetAsItWasAndMakesNoFile) {
  dispatchT fe = foreignFeature();
  const std::string in = folder.file("in.bin");
  writeBytes(in.c_str(), std::string(64 * 1024, 'x'));
  ASSERT_EQ(importFile(fe, "FMT", "1", in), 1);

  EXPECT_EQ(exportFile(fe, folder.file("no/x.bin")), 0);
  const std::set<std::string> devices = namesIn("/dev");
  EXPECT_EQ(exportFile(fe, "/dev/full"), 0);
  EXPECT_EQ(namesIn("/dev"), devices);
  struct stat device {};
  ASSERT_EQ(stat("/dev/full", &device), 0);
  EXPECT_TRUE(S_ISCHR(device.st_mode));

  // The write stops half way at a file size limit, in a child process.
  const std::string target = folder.file("target.bin");
  writeBytes(target.c_str(), "old bytes");
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    mzVariantS path(target.c_str());
    mzVariantS result;
    const bool refused = fe->Invoke("ExportFile", mzInvokeMethod, 1, &path, &result, nullptr) == 0 &&
                         result.type == mzVariantS::typeInt && result.intValue == 0;
    _exit(refused ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(readBytes(target.c_str()), "old bytes");
  EXPECT_EQ(folder.entries(), (std::set<std::string>{"in.bin", "target.bin"}));

  // A payload that does not hold the bytes its size announces.
  dispatchT broken = foreignFeature(R"(PART{ITEMS{FOEFEAT{FEATDATA{CODE{0},SIZE{1000},DATA{"0g0000"}}}}})");
  EXPECT_EQ(exportFile(broken, folder.file("broken.bin")), 0);
  EXPECT_EQ(folder.entries().count("broken.bin"), 0u);
}

}  // namespace
