#include "memman/memTrackSink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memman/memTrackHooks.h"
#include "platform/debugOutput.h"
#include "tests/captureDebugOutput.h"
#include "tests/testFiles.h"

namespace {

// Keeps every piece handed to the debugger output separately.
struct capturePieces {
  std::vector<std::string> pieces;
  debugOutput::sinkS previous;
  capturePieces() : previous(debugOutput::setSink(&collect, this)) {}
  ~capturePieces() { debugOutput::setSink(previous.fn, previous.context); }
  static void collect(const char* piece, void* self) { static_cast<capturePieces*>(self)->pieces.push_back(piece); }
};

}  // namespace

TEST(memTrackSink, DebuggerOutputGetsPiecesOf80Characters) {
  const std::string text81 = std::string(80, 'a').append("b");
  {
    capturePieces capture;
    writeMemTrackText("", text81);
    ASSERT_EQ(capture.pieces.size(), 2u);
    EXPECT_EQ(capture.pieces[0], std::string(80, 'a'));
    EXPECT_EQ(capture.pieces[1], "b");
  }
  {
    capturePieces capture;
    writeMemTrackText(nullptr, std::string(160, 'c'));
    writeMemTrackText(nullptr, "");
    EXPECT_EQ(capture.pieces, std::vector<std::string>(2, std::string(80, 'c')));
  }
}

TEST(memTrackSink, ReportFileIsAppendedInOnePiece) {
  testFiles::scratchFile report("sink.log");
  capturePieces capture;
  writeMemTrackText(report.path(), "first line\n");
  const std::string hundredX(100, 'x');
  writeMemTrackText(report.path(), std::string(hundredX).append("\nlast"));
  EXPECT_EQ(testFiles::readBytes(report.path()), std::string("first line\r\n").append(hundredX).append("\r\nlast"));
  EXPECT_TRUE(capture.pieces.empty());
  // A file that cannot be written leaves the text on the debugger output rather than losing it.
  writeMemTrackText("/nonexistent-folder/report.log", "kept\n");
  EXPECT_EQ(capture.pieces, std::vector<std::string>{"kept\n"});
}

TEST(memTrackSink, MemErrorReportCarriesTheCallStack) {
  if (memTrackOutputPath()[0]) GTEST_SKIP() << "MZMEMTRACK_OUTPUT is set for this process";
  captureDebugOutput capture;
  reportMemError("free called on free object\n");
  const std::string heading = "free called on free object\nstack track :\n";
  ASSERT_EQ(capture.text.rfind(heading, 0), 0u) << capture.text;
  std::string stack = capture.text.substr(heading.size());
  size_t lines = 0;
  for (size_t start = 0, end; (end = stack.find('\n', start)) != std::string::npos; start = end + 1, ++lines)
    EXPECT_EQ(stack.compare(start, 13, "no file(0) : "), 0) << stack.substr(start, end - start);
  EXPECT_GE(lines, 3u);
  EXPECT_LE(lines, size_t(memTrackStackDepth));
  EXPECT_EQ(stack.back(), '\n');
}
