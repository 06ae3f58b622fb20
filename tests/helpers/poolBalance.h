// Watches the small-block heap over a test: every block taken is given back, none twice.
// Pool blocks are invisible to the sanitizers, so this is how tests see leaks and double
// frees of tree nodes and proxies.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "memman/memManPoolInspect.h"
#include "proxy/proxyClassC.h"
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

// The fixture of a test file of script objects: each test leaves the heap as it found it,
// counted when the test's fixture, members included, is gone. The method tables of the proxy
// classes, which live until the end, are built before the count.
class poolBalancedTest : public ::testing::Test {
 protected:
  ~poolBalancedTest() override { balance.expectBalanced(); }

 private:
  struct tablesBuiltS {
    tablesBuiltS() { proxyClassC::prepareAll(); }
  } tables;
  poolBalance balance;
};
