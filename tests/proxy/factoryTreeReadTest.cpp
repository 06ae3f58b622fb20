// Why a factory's read failed reaches the host on the debugger output, one line per failed
// read, while the script still gets an object without a node.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "library/metaClassFactoryC.h"
#include "tests/captureDebugOutput.h"
#include "tests/proxy/metaProxyTestHelpers.h"
#include "tests/testFiles.h"

using namespace metaProxyTest;

namespace {

struct readCaseS {
  const char* member;
  std::string argument;
  int32_t valid;
  std::string line;  // what the debugger output gets, "" for nothing
};

}  // namespace

TEST(factoryTreeRead, EveryFailedReadOfEveryFactoryWritesOneLineWithItsReason) {
  testFiles::scratchFile good("good.mzt"), unbalanced("unbalanced.mzt"), empty("empty.mzt"), binary("binary.mzt"),
      missing("missing.mzt"), folder("folder");
  testFiles::writeBytes(good.path(), "A{B}");
  testFiles::writeBytes(unbalanced.path(), "DRAWING{\r\n\tNAME{\"x\"},\r\n\tUNITBASE{1}\r\n");
  testFiles::writeBytes(empty.path(), "");
  testFiles::writeBytes(binary.path(), std::string("\x7f" "ELF\x02\x01", 6));
  ASSERT_EQ(mkdir(folder.path(), 0700), 0);
  std::string deep(5000, '{');
  deep.insert(0, "A");

  const readCaseS cases[] = {
      {"createFromString", "A{}", 1, ""},
      {"createFromString", "A{", 0, "createFromString: Line:1 - section count wrong\n"},
      {"createFromString", "A{B}\n}", 0, "createFromString: Line:2 - section count wrong\n"},
      {"createFromString", "", 0, "createFromString: empty document\n"},
      {"createFromString", " ,\n", 0, "createFromString: empty document\n"},
      {"createFromString", "X{12abc}", 0, "createFromString: Line:1 - value invalid :12abc\n"},
      {"createFromFile", good.path(), 1, ""},
      {"createFromFile", unbalanced.path(), 0, std::string(unbalanced.path()) + ": Line:4 - section count wrong\n"},
      {"createFromFile", empty.path(), 0, std::string(empty.path()) + ": empty document\n"},
      {"createFromFile", binary.path(), 0, std::string(binary.path()) + ": Line:1 - ill seperator char\n"},
      {"createFromFile", missing.path(), 0,
       std::string(missing.path()) + ": cannot open: No such file or directory\n"},
      {"createFromFile", folder.path(), 0, std::string(folder.path()) + ": cannot open: Is a directory\n"},
  };
  for (const char* progId : {"rudezaze.metaobjectfactory", "rudezaze.m2dfactory", "scripting.inifile"}) {
    dispatchT factory = factoryOf(progId);
    ASSERT_TRUE(factory) << progId;
    for (const readCaseS& c : cases) {
      SCOPED_TRACE(std::string(progId) + " " + c.member + " " + c.argument);
      captureDebugOutput output;
      invokeTest::callS read = method(factory.get(), c.member, {mzVariantS(c.argument.c_str())});
      ASSERT_EQ(read.outcome, 0u);
      EXPECT_EQ(intOf(get(objectOf(std::move(read)).get(), "ValidObj")), c.valid);
      EXPECT_EQ(output.text, c.line);
    }
    // Too deep a nesting is the reader's error as well, told once.
    captureDebugOutput output;
    method(factory.get(), "createFromString", {mzVariantS(deep.c_str())});
    EXPECT_EQ(output.text.rfind("createFromString: Line:1 - ", 0), 0u) << output.text;
    EXPECT_EQ(output.text.find('\n'), output.text.size() - 1);
  }
  rmdir(folder.path());
}
