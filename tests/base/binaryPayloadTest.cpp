#include "base/binaryPayload.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::parse;

namespace {

std::string dataOf(metaObjectC& payload) {
  metaTreeC* data = payload.findChild("DATA");
  return data ? std::string(metaObjectC(data, 0).getNodeStringValue().c_str()) : std::string("<none>");
}

}  // namespace

TEST(binaryPayload, BytesBecomeSixBitCharacters) {
  metaObjectC payload(metaTreeC::newWithKeyword("P"), 1);
  const uint8_t bytes[] = {0, 16, 131, 255};
  payload.writeBinaryPayload(bytes, 3, 7);
  EXPECT_EQ(describe(payload.node), "W:P{W:CODE{D:7} W:SIZE{D:3} W:DATA{S:\"0123\"}}");
  payload.writeBinaryPayload(bytes, 4, 0);
  EXPECT_EQ(dataOf(payload).size(), 6u);
  payload.writeBinaryPayload(bytes + 3, 1, 0);
  EXPECT_EQ(dataOf(payload), ";M");  // 255: 111111 11(0000), 63 and 48
  payload.writeBinaryPayload(bytes, 0, 2);
  EXPECT_EQ(describe(payload.node), "W:P{W:CODE{D:2} W:SIZE{D:0}}");
  payload.writeBinaryPayload(nullptr, 5, 0);
  EXPECT_EQ(describe(payload.node), "W:P{W:CODE{D:0} W:SIZE{D:0}}");
  EXPECT_EQ(payload.getSizeValue(), 0);
}

TEST(binaryPayload, ReadingNeverWritesPastTheCapacity) {
  metaObjectC payload(metaTreeC::newWithKeyword("P"), 1);
  const uint8_t bytes[] = {1, 2, 3, 250, 77};
  payload.writeBinaryPayload(bytes, 4, 0);
  uint8_t buffer[8];
  std::memset(buffer, 0xAA, sizeof buffer);
  EXPECT_EQ(payload.readBinaryPayload(buffer, 3), -1);
  EXPECT_EQ(buffer[0], 0xAA);  // untouched
  EXPECT_EQ(payload.readBinaryPayload(buffer, 4), 4);
  EXPECT_EQ(std::memcmp(buffer, bytes, 4), 0);
  EXPECT_EQ(buffer[4], 0xAA);

  // A DATA longer than SIZE announces is decoded only as far as SIZE.
  metaObjectC longer(parse("P{CODE{0} SIZE{2} DATA{\"0123456789\"}}"), 1);
  std::memset(buffer, 0xAA, sizeof buffer);
  EXPECT_EQ(longer.readBinaryPayload(buffer, 2), 2);
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(buffer[1], 16);
  EXPECT_EQ(buffer[2], 0xAA);
  // A shorter one gives what it holds; a missing DATA gives nothing.
  metaObjectC shorter(parse("P{SIZE{4} DATA{\"012\"}}"), 1);
  EXPECT_EQ(shorter.readBinaryPayload(buffer, 8), 2);
  metaObjectC noData(parse("P{SIZE{4}}"), 1);
  EXPECT_EQ(noData.readBinaryPayload(buffer, 8), 0);
  // SIZE missing, 0, negative, or not a number: -1.
  for (const char* text : {"P{DATA{\"0123\"}}", "P{SIZE{0}}", "P{SIZE{-5} DATA{\"0123\"}}", "P{SIZE{\"3\"}}"}) {
    metaObjectC bad(parse(text), 1);
    EXPECT_EQ(bad.readBinaryPayload(buffer, 8), -1) << text;
  }
  EXPECT_EQ(payload.readBinaryPayload(nullptr, 8), -1);
  // Characters the encoder never writes map through the reverse table, taking its low 6 bits;
  // bytes outside the alphabet read as 0.
  metaObjectC foreign(parse("P{SIZE{3} DATA{\"?~@@\"}}"), 1);
  EXPECT_EQ(foreign.readBinaryPayload(buffer, 3), 3);
  EXPECT_EQ(buffer[0], uint8_t((84 & 63) << 2 | (72 & 63) >> 4));
  EXPECT_EQ(buffer[1], uint8_t(((72 & 63) & 15) << 4));
  EXPECT_EQ(buffer[2], 0);
}
