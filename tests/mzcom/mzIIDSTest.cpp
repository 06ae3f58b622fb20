#include "mzcom/mzIIDS.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "mzcom/mzIIDConstants.h"

namespace {

std::string textOf(const mzIIDS& iid) {
  char buffer[mzIIDS::textBufferSize];
  iid.toString(buffer);
  return buffer;
}

}  // namespace

TEST(mzIIDS, TextIdentifiersIgnoreCaseBinaryOnesCompareBytes) {
  mzIIDS upper("MZIIDDSP");
  mzIIDS lower("mziiddsp");
  EXPECT_TRUE(upper.isEqual(lower));
  EXPECT_TRUE(lower.isEqual(upper));

  // Binary against text: the text must spell the bytes exactly, from either side.
  EXPECT_TRUE(mzIID_IDispatch.isEqual(upper));
  EXPECT_TRUE(upper.isEqual(mzIID_IDispatch));
  EXPECT_FALSE(mzIID_IDispatch.isEqual(lower));
  EXPECT_FALSE(lower.isEqual(mzIID_IDispatch));

  EXPECT_TRUE(mzIID_IDispatch.isEqual(mzIIDS("MZIIDDSP", 8)));
  EXPECT_FALSE(mzIID_IDispatch.isEqual(mzIID_IUnknown));
  EXPECT_FALSE(mzIIDS("MZIIDDSPX", 9).isEqual(mzIID_IDispatch));
  EXPECT_FALSE(mzIIDS("MZIIDDSP", 7).isEqual(mzIID_IDispatch));

  EXPECT_TRUE(mzIID_IDispatch.isEqualText("MZIIDDSP"));
  EXPECT_FALSE(mzIID_IDispatch.isEqualText("mziiddsp"));
  EXPECT_FALSE(mzIID_IDispatch.isEqualText("MZIIDDSPX"));
  EXPECT_FALSE(mzIID_IDispatch.isEqualText("MZIIDDS"));
  EXPECT_FALSE(mzIID_IDispatch.isEqualText(nullptr));
  EXPECT_TRUE(mzIID_IComNativePointer.isEqualText("mzcomnatptr"));
  EXPECT_FALSE(mzIID_IComNativePointer.isEqualText("mzcomnatpt"));

  // Only ASCII letters fold.
  EXPECT_FALSE(mzIIDS("A\xc4").isEqual(mzIIDS("a\xe4")));
}

TEST(mzIIDS, ConstructionCutsAndCopies) {
  std::string forty(40, 'x');
  mzIIDS cut(forty.c_str());
  EXPECT_EQ(cut.length, 0u);
  EXPECT_EQ(std::string(cut.data), std::string(31, 'x'));

  mzIIDS empty;
  EXPECT_EQ(empty.length, 0u);
  EXPECT_EQ(empty.data[0], 0);

  mzIIDS longBinary(std::string(40, 'b').c_str(), 40);
  EXPECT_EQ(longBinary.length, 32u);

  mzIIDS copy("other");
  EXPECT_EQ(&mzIID_IClassFactory.copyTo(copy), &copy);
  EXPECT_EQ(copy.length, 11u);
  EXPECT_TRUE(copy.isEqual(mzIID_IClassFactory));
}

TEST(mzIIDS, KnownIdentifiersKeepTheirSpelling) {
  EXPECT_EQ(mzIID_IDispatch.length, 8u);
  EXPECT_EQ(mzIID_IUnknown.length, 8u);
  EXPECT_EQ(mzIID_IClassFactory.length, 11u);
  EXPECT_EQ(mzIID_IException.length, 12u);
  EXPECT_EQ(std::memcmp(mzIID_IException.data, "MZIEXCEPTION", 12), 0);
  EXPECT_EQ(textOf(mzIID_IComMarshal), "0000:MZCOMMARHSAL");
  EXPECT_EQ(textOf(mzIID_Empty), "0000:MZIIDEMTPY");
  EXPECT_EQ(textOf(mzIID_ScriptSymbolRef), "0000:MZSCR.SYMBOLREF");
  EXPECT_EQ(textOf(mzIID_ProxyMetaBase), "0000:rudezaze.proxymetabaseiface");
  EXPECT_EQ(textOf(mzIID_ScriptModule), "0000:MZSCR.Modul");
}

TEST(mzIIDS, TextFormRoundTrips) {
  EXPECT_EQ(textOf(mzIID_IUnknown), "0008:4d5a494944554e4b");
  mzIIDS parsed;
  EXPECT_EQ(parsed.fromString("0008:4d5a494944554e4b"), 0u);
  EXPECT_EQ(parsed.length, 8u);
  EXPECT_TRUE(parsed.isEqual(mzIID_IUnknown));

  EXPECT_EQ(parsed.fromString("0000:MZCOMNATPTR"), 0u);
  EXPECT_TRUE(parsed.isEqual(mzIID_IComNativePointer));

  // The length is kept as written, whatever the number of digit pairs; a word ends at a blank.
  EXPECT_EQ(parsed.fromString("0004:4d5a rest"), 0u);
  EXPECT_EQ(parsed.length, 4u);
  EXPECT_EQ(parsed.data[0], 'M');
  EXPECT_EQ(parsed.data[1], 'Z');
  EXPECT_EQ(parsed.data[2], 0);

  mzIIDS bytes("\x01\xab\xff", 3);
  EXPECT_EQ(textOf(bytes), "0003:01abff");
  EXPECT_EQ(parsed.fromString(textOf(bytes).c_str()), 0u);
  EXPECT_TRUE(parsed.isEqual(bytes));
}

TEST(mzIIDS, MalformedTextLeavesTheRecord) {
  mzIIDS target(mzIID_IUnknown);
  for (const char* text : std::initializer_list<const char*>{"", "0008", "0008:", ":4d5a", "zz:abc", "0021:00", "0008:4d5g",
                           "0000:12345678901234567890123456789012", nullptr}) {
    EXPECT_EQ(target.fromString(text), 1u) << (text ? text : "null");
    EXPECT_TRUE(target.isEqual(mzIID_IUnknown));
    EXPECT_EQ(target.length, 8u);
  }
  std::string tooManyDigits = "0020:" + std::string(66, 'a');
  EXPECT_EQ(target.fromString(tooManyDigits.c_str()), 1u);
  std::string fullRecord = "0020:" + std::string(64, 'a');
  EXPECT_EQ(target.fromString(fullRecord.c_str()), 0u);
  EXPECT_EQ(target.length, 32u);
  EXPECT_EQ(static_cast<unsigned char>(target.data[31]), 0xaa);
}

TEST(mzIIDS, RecordsWithAnImpossibleLengthEqualNothing) {
  mzIIDS broken(mzIID_IUnknown);
  broken.length = 40;  // as a host might write it
  EXPECT_FALSE(broken.isEqual(broken));
  EXPECT_FALSE(broken.isEqualText("MZIIDUNK"));
  EXPECT_EQ(textOf(broken).substr(0, 5), "0028:");
}
