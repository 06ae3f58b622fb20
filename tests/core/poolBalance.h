// Watches the small-block heap over a test: every block taken is given back, none twice.
// Pool blocks are invisible to the sanitizers, so this is how tests see leaks and double
// frees of tree nodes and proxies.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "memman/memManPoolInspect.h"
#include "tests/captureDebugOutput.h"

class poolBalance {
 public:
  void expectBalanced() const {
    EXPECT_EQ(memPoolOutstandingCount(), outstanding);
    EXPECT_EQ(output.text.find("free called on free object"), std::string::npos) << output.text;
  }

 private:
  uint32_t outstanding = memPoolOutstandingCount();
  captureDebugOutput output;
};
