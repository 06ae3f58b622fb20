#include "memman/memTrackCrashLog.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "platform/crashHandler.h"
#include "platform/textFile.h"
#include "tests/memman/memTrackChildProcess.h"
#include "tests/testFiles.h"

namespace {

std::string pathFor(std::vector<std::string> entries, size_t room = 4096) {
  std::vector<char*> environment;
  for (std::string& entry : entries) environment.push_back(entry.data());
  environment.push_back(nullptr);
  std::vector<char> buffer(room);
  fixedText path(buffer.data(), buffer.size());
  if (!crashLogPath(environment.data(), path)) return "(none)";
  return path.text();
}

// A scratch folder, removed with what is in it.
struct scratchFolder {
  std::string path;
  scratchFolder() {
    char pattern[] = "/tmp/rudezaze-crash-XXXXXX";
    path = mkdtemp(pattern);
  }
  ~scratchFolder() {
    std::remove((path + "/mzdbgcrash.log").c_str());
    rmdir(path.c_str());
  }
};

}  // namespace

TEST(memTrackCrashLog, LogLivesInTheFolderNamedByTmpOrTemp) {
  EXPECT_EQ(pathFor({"HOME=/h", "TMP=/a"}), "/a/mzdbgcrash.log");
  EXPECT_EQ(pathFor({"Temp=/b"}), "/b/mzdbgcrash.log");
  EXPECT_EQ(pathFor({"temp=/b", "tmp=/a"}), "/a/mzdbgcrash.log");
  EXPECT_EQ(pathFor({"tmp=", "TEMP=/c"}), "/c/mzdbgcrash.log");
  EXPECT_EQ(pathFor({"TMPDIR=/x", "TMP_=/y"}), "/tmp/mzdbgcrash.log");
  EXPECT_EQ(pathFor({}), "/tmp/mzdbgcrash.log");
  // A folder whose path does not fit is passed over like a missing one.
  EXPECT_EQ(pathFor({"tmp=/" + std::string(5000, 'x'), "temp=/d"}), "/d/mzdbgcrash.log");
  EXPECT_EQ(pathFor({}, 10), "(none)");
}

TEST(memTrackCrashLog, InstalledWhenTheLibraryLoads) { EXPECT_TRUE(crashHandlerInstalled()); }

TEST(memTrackCrashLog, CrashAppendsItsStackAndTheProcessStillDies) {
  scratchFolder tmp, temp;
  std::string log = tmp.path + "/mzdbgcrash.log";
  testFiles::writeBytes(log.c_str(), "earlier crash\r\n");
  // The sanitizer's own fault handler would turn the death into an exit: leave the fault to us.
  const char* asan = std::getenv("ASAN_OPTIONS");
  std::string asanOptions = std::string("ASAN_OPTIONS=") + (asan ? asan : "") + ":handle_segv=0";
  memTrackChildRunS run = runMemTrackChild("crash", {"tmp=" + tmp.path, "TEMP=" + temp.path, asanOptions});
  ASSERT_TRUE(WIFSIGNALED(run.status)) << run.status << run.err;
  EXPECT_EQ(WTERMSIG(run.status), SIGSEGV);

  std::string disk = testFiles::readBytes(log.c_str());
  EXPECT_EQ(disk.rfind("earlier crash\r\nno file(0) : ", 0), 0u) << disk;
  std::string text;
  ASSERT_TRUE(textFile::readTextFile(log.c_str(), text));
  std::regex stackLine(R"(no file\(0\) : .+ \([0-9a-f]+ Modul: .*\)\n)");
  std::string stack = text.substr(text.find('\n') + 1);
  size_t frames = 0;
  for (std::sregex_iterator it(stack.begin(), stack.end(), stackLine), end; it != end; ++it) ++frames;
  EXPECT_GE(frames, 2u);
  EXPECT_LE(frames, 16u);
  EXPECT_EQ(std::count(stack.begin(), stack.end(), '\n'), std::ptrdiff_t(frames)) << stack;
  // The faulting frame comes first and lies in the process's own module.
  EXPECT_NE(stack.substr(0, stack.find('\n')).find(std::string("Modul: ") + RUDEZAZE_MEMTRACK_CHILD + ")"),
            std::string::npos)
      << stack;
  struct stat unused;
  EXPECT_NE(stat((temp.path + "/mzdbgcrash.log").c_str(), &unused), 0) << "\"tmp\" comes before \"temp\"";
}
