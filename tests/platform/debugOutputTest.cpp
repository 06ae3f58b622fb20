#include "platform/debugOutput.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/captureDebugOutput.h"

TEST(DebugOutput, SinkReceivesEveryPieceUntilRestored) {
  {
    captureDebugOutput capture;
    debugOutput::write("one ");
    debugOutput::write(nullptr);
    debugOutput::write("two");
    EXPECT_EQ(capture.text, "one two");
  }
  captureDebugOutput outer;
  {
    captureDebugOutput inner;
    debugOutput::write("inner");
    EXPECT_EQ(inner.text, "inner");
  }
  debugOutput::write("outer");
  EXPECT_EQ(outer.text, "outer");
}
