// A document a script reads, saves, reads back and saves again is saved as the same bytes,
// checksum records inside references included.
#include <gtest/gtest.h>

#include <string>

#include "tests/core/referenceTestHelpers.h"
#include "tests/proxy/metaProxyTestHelpers.h"

using namespace metaProxyTest;

namespace {

class saveLoadSaveTest : public ::testing::Test {
 protected:
  dispatchT factory = factoryOf("rudezaze.metaobjectfactory");

  std::string saved(const std::string& text) {
    dispatchT document = objectOf(method(factory.get(), "createFromString", {mzVariantS(text.c_str())}));
    EXPECT_EQ(intOf(get(document.get(), "ValidObj")), 1);
    return textOf(method(document.get(), "writeToString", {number(0), number(0)}));
  }
};

}  // namespace

TEST_F(saveLoadSaveTest, ASavedDocumentReadBackSavesTheSameBytes) {
  using referenceTest::payloadText;
  const std::string texts[] = {
      // Found by the tree reader's fuzzing: records inside a reference that has no payload yet.
      R"(MOREF{""} {MOCRC"defaultOREF{""} {MOCRC"{""} {MOCRC"defaultOREF{""} {MOCRC"default"}f"""}f""A""default"}f"""}f""A"")",
      R"(DRAWING{NAME{"default"},DESC{""},UNITBASE{1},MOCRC})",
      "R{MOREF{X{MOCRC}," + payloadText(1) + "} MOREF{Y{\"y\",MOCRC{MOREF{" + payloadText(3) + "}}}}}",
      "R{PART{MOREF{X{\"x\"}}} MOCRC{MOREF{" + payloadText(4) + "}}} S{MOCRC{X{MOCRC}}}",
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    std::string first = saved(text);
    EXPECT_EQ(saved(first), first);
  }
}
