#include "core/multiValueText.h"

#include <gtest/gtest.h>

#include "core/mExtAttrListC.h"
#include "core/mExtAttrVarC.h"
#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::parse;

TEST(multiValueText, TheLeadingPartIsMeasuredFromItsMarks) {
  EXPECT_EQ(multiValuePrefixLength("no marks"), 0);
  EXPECT_EQ(multiValuePrefixLength(nullptr), 0);
  EXPECT_EQ(multiValuePrefixLength("ab},12{M=x}"), 2 + 5 + 12);
  EXPECT_EQ(multiValuePrefixLength("a\",3}},"), 1 + 5 + 3);  // the earlier of the two marks
  EXPECT_EQ(multiValuePrefixLength("},000{A=1}"), 5);
  EXPECT_EQ(multiValuePrefixLength("},0{A=1}"), 3);
  EXPECT_EQ(multiValuePrefixLength("},"), 3);
  EXPECT_EQ(multiValuePrefixLength("}, -4"), -4 + 5);
  EXPECT_EQ(multiValuePrefixLength("},99999999999999"), 2147483647);

  EXPECT_STREQ(extractMultiValue("x},000{A=1}{M=mv}{B=2}").c_str(), "mv");
  EXPECT_STREQ(extractMultiValue("x},000{A=1}").c_str(), "");
  EXPECT_STREQ(extractMultiValue("x},000{M=open").c_str(), "");
  EXPECT_STREQ(extractMultiValue("{M=before},000").c_str(), "");  // only after the leading part
  EXPECT_STREQ(extractMultiValue("},999{M=x}").c_str(), "");  // a leading part past the end
  EXPECT_STREQ(extractMultiValue("{M=v}},-100").c_str(), "v");  // a negative one drops nothing
}

TEST(multiValueText, EntriesBecomeVariablesUnlessTheNameExists) {
  mExtAttrListC list(parse("EXTATTRLIST{EXTATTRVAR{NAME{\"Known\"} VALUE{\"old\"}}}"), 1);
  EXPECT_EQ(parseMultiValue("head},000{known=new}junk{A=1}{B=x\\}y\\\\}z}{C=", list), 0);
  EXPECT_EQ(describe(list.node),
            "W:EXTATTRLIST{W:EXTATTRVAR{W:NAME{S:\"Known\"} W:VALUE{S:\"old\"}} "
            "W:EXTATTRVAR{W:NAME{S:\"A\"} W:VALUE{S:\"1\"}} "
            "W:EXTATTRVAR{W:NAME{S:\"B\"} W:VALUE{S:\"x\\}y\\\\}z\"}}}");
  mExtAttrListC empty;
  EXPECT_EQ(parseMultiValue("},000{A=1}", empty), 0);
}
