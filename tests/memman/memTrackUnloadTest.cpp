// What a process sees of the memory tracker at unload, with the switches set before start.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "platform/textFile.h"
#include "tests/memman/memTrackChildProcess.h"
#include "tests/testFiles.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

const std::regex stackLine(R"(no file\(0\) : .+ \([0-9a-f]+ Modul: .*\))");

std::string readReport(const char* path) {
  std::string text;
  EXPECT_TRUE(textFile::readTextFile(path, text)) << path;
  return text;
}

}  // namespace

TEST(memTrackUnload, LeakReportListsTheLeakedBlocksInTheReportFile) {
  testFiles::scratchFile report("leak.log");
  testFiles::writeBytes(report.path(), "earlier\r\n");
  memTrackChildRunS run = runMemTrackChild("leak", {"MZMEMTRACK_LEAK=", std::string("MZMEMTRACK_OUTPUT=") + report.path()});
  ASSERT_TRUE(exitedNormally(run)) << run.status << run.err;
  EXPECT_EQ(run.err, "");

  std::string disk = testFiles::readBytes(report.path());
  EXPECT_EQ(disk.find("\n"), disk.find("\r\n") + 1) << "lines end in CR LF on disk";
  std::vector<std::string> lines = linesOf(readReport(report.path()));
  ASSERT_EQ(lines.size(), 7u) << readReport(report.path());
  std::string pid = std::to_string(run.pid);
  EXPECT_EQ(lines[0], "earlier");
  EXPECT_EQ(lines[1], "MZMEMTRACK Summary Report (Pid=" + pid + ")");
  std::smatch summary, first, second;
  ASSERT_TRUE(std::regex_match(lines[2], summary, std::regex(R"(Mem     80, Cnt      2, Name unk \(40\) \(([0-9a-f]{16})\))")))
      << lines[2];
  EXPECT_EQ(lines[3], "Total Bytes : 80");
  EXPECT_EQ(lines[4], "MZMEMTRACK Detail Report (Pid=" + pid + ")");
  // The block handed out second lies one stride (40 + 8 rounded) below the first, which
  // holds its address and so is its parent.
  ASSERT_TRUE(std::regex_match(lines[5], first,
                               std::regex(R"(Id      0,Parent      1,Mem     40, Cnt      1, Name unk \(40\) \(([0-9a-f]{16})\))")))
      << lines[5];
  ASSERT_TRUE(
      std::regex_match(lines[6], second, std::regex(R"(Id      1,Mem     40, Cnt      1, Name unk \(40\) \(([0-9a-f]{16})\))")))
      << lines[6];
  EXPECT_EQ(summary[1], first[1]);
  EXPECT_EQ(std::stoull(second[1], nullptr, 16) - std::stoull(first[1], nullptr, 16), 48u);
}

TEST(memTrackUnload, LocationTrackingAddsEachBlocksAllocationStack) {
  testFiles::scratchFile report("location.log");
  memTrackChildRunS run = runMemTrackChild(
      "leak", {"MZMEMTRACK_LEAK=1", "MZMEMTRACK_LOCATION=", std::string("MZMEMTRACK_OUTPUT=") + report.path()});
  ASSERT_TRUE(exitedNormally(run)) << run.status << run.err;
  std::vector<std::string> lines = linesOf(readReport(report.path()));
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0].rfind("MZMEMTRACK Summary Report (Pid=", 0), 0u);
  EXPECT_EQ(lines[2], "Total Bytes : 80");
  EXPECT_EQ(lines[3].rfind("MZMEMTRACK Detail Report (Pid=", 0), 0u);
  // With 136-byte headers the second block lies 176 bytes below the first.
  std::vector<size_t> blockLines;
  for (size_t i = 4; i < lines.size(); ++i) {
    if (lines[i].rfind("Id ", 0) == 0) blockLines.push_back(i);
    else EXPECT_TRUE(std::regex_match(lines[i], stackLine)) << lines[i];
  }
  ASSERT_EQ(blockLines.size(), 2u);
  EXPECT_EQ(blockLines[0], 4u);
  for (size_t k = 0; k < 2; ++k) {
    size_t end = k + 1 < blockLines.size() ? blockLines[k + 1] : lines.size();
    size_t frames = end - blockLines[k] - 1;
    EXPECT_GE(frames, 2u);
    EXPECT_LE(frames, 16u);
    bool inHelper = false;
    for (size_t i = blockLines[k] + 1; i < end; ++i)
      inHelper = inHelper || lines[i].find(std::string("Modul: ") + RUDEZAZE_MEMTRACK_CHILD + ")") != std::string::npos;
    EXPECT_TRUE(inHelper) << "a frame lies in the process's own module";
  }
  std::smatch first, second;
  ASSERT_TRUE(std::regex_search(lines[blockLines[0]], first, std::regex(R"(\(([0-9a-f]{16})\)$)")));
  ASSERT_TRUE(std::regex_search(lines[blockLines[1]], second, std::regex(R"(\(([0-9a-f]{16})\)$)")));
  EXPECT_EQ(std::stoull(second[1], nullptr, 16) - std::stoull(first[1], nullptr, 16), 176u);
}

TEST(memTrackUnload, TypeInfoNamesObjectsByTheirClass) {
  testFiles::scratchFile report("typeinfo.log");
  memTrackChildRunS run = runMemTrackChild(
      "leakObject", {"MZMEMTRACK_LEAK=", "MZMEMTRACK_TYPEINFO=", std::string("MZMEMTRACK_OUTPUT=") + report.path()});
  ASSERT_TRUE(exitedNormally(run)) << run.status << run.err;
  std::vector<std::string> lines = linesOf(readReport(report.path()));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_TRUE(std::regex_match(
      lines[1], std::regex(R"(Mem     32, Cnt      1, Name \(anonymous namespace\)::leakedWidgetC \(32\) \([0-9a-f]{16}\))")))
      << lines[1];
  EXPECT_EQ(lines[2], "Total Bytes : 32");
}

TEST(memTrackUnload, NothingLeakedGivesHeadingsAndAZeroTotal) {
  testFiles::scratchFile report("clean.log");
  memTrackChildRunS run = runMemTrackChild("clean", {"MZMEMTRACK_LEAK=", std::string("MZMEMTRACK_OUTPUT=") + report.path()});
  ASSERT_TRUE(exitedNormally(run)) << run.status << run.err;
  std::string pid = std::to_string(run.pid);
  EXPECT_EQ(readReport(report.path()), "MZMEMTRACK Summary Report (Pid=" + pid + ")\nTotal Bytes : 0\n" +
                                           "MZMEMTRACK Detail Report (Pid=" + pid + ")\n");
}

TEST(memTrackUnload, WithoutAReportFileTheReportGoesToTheDebuggerOutput) {
  memTrackChildRunS run = runMemTrackChild("leak", {"MZMEMTRACK_LEAK=", "MZMEMTRACK_OUTPUT="});
  ASSERT_TRUE(exitedNormally(run)) << run.status << run.err;
  std::vector<std::string> lines = linesOf(run.err);
  ASSERT_EQ(lines.size(), 6u) << run.err;
  EXPECT_EQ(lines[0], "MZMEMTRACK Summary Report (Pid=" + std::to_string(run.pid) + ")");
  EXPECT_EQ(lines[2], "Total Bytes : 80");
  EXPECT_EQ(run.out, "");
}

TEST(memTrackUnload, WithoutSwitchesOnlyADoubleFreeIsEverWritten) {
  testFiles::scratchFile report("silent.log");
  memTrackChildRunS quiet = runMemTrackChild("leak", {});
  ASSERT_TRUE(exitedNormally(quiet)) << quiet.status << quiet.err;
  EXPECT_EQ(quiet.out, "");
  EXPECT_EQ(quiet.err, "");

  memTrackChildRunS run = runMemTrackChild("leakAndFreeTwice", {});
  ASSERT_TRUE(exitedNormally(run)) << run.status << run.err;
  EXPECT_EQ(run.out, "");
  std::vector<std::string> lines = linesOf(run.err);
  ASSERT_GE(lines.size(), 3u) << run.err;
  EXPECT_EQ(lines[0], "free called on free object");
  EXPECT_EQ(lines[1], "stack track :");
  EXPECT_LE(lines.size(), 2u + 16u);
  for (size_t i = 2; i < lines.size(); ++i) EXPECT_TRUE(std::regex_match(lines[i], stackLine)) << lines[i];

  // The double free goes to the report file when one is named, also without any other switch.
  memTrackChildRunS toFile = runMemTrackChild("leakAndFreeTwice", {std::string("MZMEMTRACK_OUTPUT=") + report.path()});
  ASSERT_TRUE(exitedNormally(toFile)) << toFile.status << toFile.err;
  EXPECT_EQ(toFile.err, "");
  EXPECT_EQ(readReport(report.path()).rfind("free called on free object\nstack track :\nno file(0) : ", 0), 0u);
}

// A document read through the class factory and never released: every one of its nodes is in
// the leak report, named as a tree node, after the heap's blocks and in address order; the
// block that points at the root is its parent, every other node has a node as its parent, the
// nodes are the parents of the texts they hold, and the total counts them.
TEST(memTrackUnload, LeakReportListsEveryNodeOfAnUnreleasedDocument) {
  testFiles::scratchFile document("leaked.mzt"), report("document.log");
  testFiles::writeBytes(document.path(),
                        "DRAWING{\n\tNAME{\"sample drawing\"},\n\tUNITBASE{1},\n"
                        "\tDRAWINGPREFS{UNITBASE{1},DESIGNUNITBASE{0.001}},\n\tFIGURE{NAME{\"frame\"}}\n}\n");
  memTrackChildRunS run =
      runMemTrackChild("leakDocument",
                       {"MZMEMTRACK_LEAK=1", "MZMEMTRACK_TYPEINFO=1", std::string("MZMEMTRACK_OUTPUT=") + report.path()},
                       document.path());
  ASSERT_TRUE(exitedNormally(run)) << run.status << run.err;
  std::vector<std::string> nodes = linesOf(run.out);
  ASSERT_EQ(nodes.size(), 13u) << run.out;

  std::vector<std::string> lines = linesOf(readReport(report.path()));
  auto detailStart = std::find_if(lines.begin(), lines.end(),
                                  [](const std::string& line) { return line.rfind("MZMEMTRACK Detail", 0) == 0; });
  ASSERT_NE(detailStart, lines.end());
  const std::regex entry(R"((?:Id +([0-9]+),)?(?:Parent +([0-9]+),)?Mem +([0-9]+), Cnt +([0-9]+), Name (.*) \(([0-9]+)\) \(([0-9a-f]{16})\))");
  uint64_t summed = 0, total = 0, nodeCount = 0;
  for (auto line = lines.begin(); line != detailStart; ++line) {
    std::smatch found;
    if (std::regex_match(*line, found, entry)) {
      summed += std::stoull(found[3]);
      if (found[5] == "metaTreeC") nodeCount = std::stoull(found[4]);
    } else if (line->rfind("Total Bytes : ", 0) == 0) {
      total = std::stoull(line->substr(14));
    }
  }
  EXPECT_EQ(total, summed);

  struct blockS {
    int64_t parent;
    std::string name, address;
  };
  std::vector<blockS> blocks;
  for (auto line = detailStart + 1; line != lines.end(); ++line) {
    std::smatch found;
    ASSERT_TRUE(std::regex_match(*line, found, entry)) << *line;
    ASSERT_EQ(std::stoull(found[1]), blocks.size());
    blocks.push_back({found[2].matched ? std::stoll(found[2]) : -1, found[5], found[7]});
  }
  auto firstNode = std::find_if(blocks.begin(), blocks.end(), [](const blockS& b) { return b.name == "metaTreeC"; });
  ASSERT_EQ(size_t(blocks.end() - firstNode), nodeCount);
  for (auto node = firstNode; node != blocks.end(); ++node) {
    EXPECT_EQ(node->name, "metaTreeC");
    EXPECT_TRUE(node == firstNode || node[-1].address < node->address) << node->address;
  }
  auto numberOf = [&](const std::string& address) {
    for (size_t i = 0; i < blocks.size(); ++i)
      if (blocks[i].address == address) return int64_t(i);
    return int64_t(-1);
  };
  for (const std::string& node : nodes) EXPECT_GE(numberOf(node), firstNode - blocks.begin()) << node;
  EXPECT_GE(blocks[size_t(numberOf(nodes[0]))].parent, 0) << "something holds the root";
  // Every other node is led to by its parent or its previous sibling.
  for (size_t i = 1; i < nodes.size(); ++i) {
    int64_t parent = blocks[size_t(numberOf(nodes[i]))].parent;
    ASSERT_GE(parent, 0) << nodes[i];
    EXPECT_EQ(blocks[size_t(parent)].name, "metaTreeC") << nodes[i];
  }
  size_t textsHeldByNodes = 0;
  for (const blockS& block : blocks)
    if (block.parent >= 0 && blocks[size_t(block.parent)].name == "metaTreeC") ++textsHeldByNodes;
  EXPECT_GT(textsHeldByNodes, 0u);
}
