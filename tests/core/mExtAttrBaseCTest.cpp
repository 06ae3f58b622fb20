#include "core/mExtAttrBaseC.h"

#include <gtest/gtest.h>

#include "core/mDocumentAttrC.h"
#include "core/mDocumentC.h"
#include "core/mExtAttrListC.h"
#include "core/mExtAttrStrC.h"
#include "core/mExtAttrValC.h"
#include "core/mExtAttrVarC.h"
#include "core/metaTreeC.h"
#include "platform/clock.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::parse;

namespace {

struct frozenClockS {
  explicit frozenClockS(uint32_t seconds) { wallClock::freezeAt({seconds, 0}); }
  ~frozenClockS() { wallClock::release(); }
};

}  // namespace

TEST(mExtAttrBaseC, ValuesAsTextByKindAndLookupByName) {
  mExtAttrListC list(parse("EXTATTRLIST{EXTATTRVAL{NAME{\"Tenth\"} VALUE{0.1}} EXTATTRSTR{NAME{\"Color\"} VALUE{\"red\"}} "
                           "EXTATTRVAR{NAME{\"v\"} VALUE{\"x\"} TYPE{\"T\"}} OTHER{NAME{\"o\"}} EXTATTRVAL{NAME{\"n\"}}}"),
                     1);
  mExtAttrBaseC color = list.findByName("COLOR");
  ASSERT_TRUE(color.isValid());
  EXPECT_FALSE(color.ownsNode());
  EXPECT_STREQ(color.getName().c_str(), "Color");
  EXPECT_STREQ(color.getValueAsString().c_str(), "red");
  EXPECT_STREQ(list.findByName("tenth").getValueAsString().c_str(), "0.1");
  EXPECT_STREQ(list.findByName("V").getValueAsString().c_str(), "x");
  EXPECT_STREQ(mExtAttrVarC(list.findByName("v").getNode(), 0).getType().c_str(), "T");
  EXPECT_STREQ(list.findByName("o").getValueAsString().c_str(), "");  // no registered kind
  EXPECT_STREQ(list.findByName("n").getValueAsString().c_str(), "0");  // a missing number
  EXPECT_FALSE(list.findByName("missing").isValid());
  EXPECT_STREQ(list.findByName("missing").getValueAsString().c_str(), "");
  EXPECT_STREQ(mExtAttrBaseC().getValueAsString().c_str(), "");

  // Items without NAME get one while the list is searched.
  mExtAttrListC unnamed(parse("EXTATTRLIST{EXTATTRSTR{VALUE{\"a\"}}}"), 1);
  EXPECT_FALSE(unnamed.findByName("a").isValid());
  EXPECT_EQ(describe(unnamed.node), "W:EXTATTRLIST{W:EXTATTRSTR{W:VALUE{S:\"a\"} W:NAME}}");
  EXPECT_FALSE(mExtAttrListC().findByName("a").isValid());

  mExtAttrValC number(metaTreeC::newWithKeyword(mExtAttrValC::classKey), 1);
  number.setValue(12345.678901234567);
  EXPECT_STREQ(number.getValueAsString().c_str(), "12345.678901235");
  EXPECT_STREQ(mExtAttrBaseC(number.getNode(), 0).getValueAsString().c_str(), "12345.678901235");
}

TEST(mDocumentAttrC, LanguageLookupFallsBackToDefaultThenToTheOwnList) {
  mDocumentAttrC attributes(parse("ATTR{EXTLANGATTR{"
                                  "PAIR{ATTRLANGIDENT{\"de\"} EXTATTRLIST{EXTATTRSTR{NAME{\"Farbe\"} VALUE{\"rot\"}}}} "
                                  "OTHER{ATTRLANGIDENT{\"default\"}} "
                                  "PAIR{ATTRLANGIDENT{\"default\"} EXTATTRLIST{EXTATTRSTR{NAME{\"Size\"} VALUE{\"L\"}}}}} "
                                  "EXTATTRLIST{EXTATTRSTR{NAME{\"Own\"} VALUE{\"o\"}}}}"),
                            1);
  EXPECT_STREQ(attributes.findForLanguage("de", "farbe").getValueAsString().c_str(), "rot");
  EXPECT_STREQ(attributes.findForLanguage("de", "size").getValueAsString().c_str(), "L");
  EXPECT_STREQ(attributes.findForLanguage("de", "own").getValueAsString().c_str(), "o");
  EXPECT_STREQ(attributes.findForLanguage("fr", "Size").getValueAsString().c_str(), "L");
  EXPECT_FALSE(attributes.findForLanguage("DE", "Farbe").isValid());  // languages compare with case
  EXPECT_FALSE(attributes.findForLanguage("de", "none").isValid());

  // Without any list, the lookup creates the nodes it looks for.
  mDocumentAttrC bare(metaTreeC::newWithKeyword("ATTR"), 1);
  EXPECT_FALSE(bare.findForLanguage("de", "x").isValid());
  EXPECT_EQ(describe(bare.node), "W:ATTR{W:EXTLANGATTR W:EXTATTRLIST}");
  mDocumentAttrC withPair(parse("ATTR{EXTLANGATTR{PAIR}}"), 1);
  EXPECT_FALSE(withPair.findForLanguage("de", "x").isValid());
  EXPECT_EQ(describe(withPair.node), "W:ATTR{W:EXTLANGATTR{W:PAIR{W:ATTRLANGIDENT}} W:EXTATTRLIST}");

  mExtAttrLanguageDictC dictionary = attributes.getLanguageDict();
  EXPECT_EQ(dictionary.getCount(), 2u);
  EXPECT_STREQ(dictionary.getItem(1).getKey().getLanguage().c_str(), "default");
  mExtAttrLanguageIdentC german(parse("ATTRLANGIDENT{\"de\"}"), 1);
  EXPECT_EQ(dictionary.findByKey(german).getNode(), dictionary.getItemNode(0));
  EXPECT_FALSE(dictionary.findByKey(mExtAttrLanguageIdentC()).isValid());
}

TEST(mDocumentC, GeneratedNamesAreNotStored) {
  frozenClockS clock(1700000000);
  generatedNameCounter = 0;
  generatedShortNameCounter = 0;
  mDocumentC document(metaTreeC::newWithKeyword("DRAWING"), 1);
  EXPECT_STREQ(document.makeName().c_str(), "VRK_1_1700000000");
  EXPECT_STREQ(document.makeName().c_str(), "VRK_2_1700000000");
  EXPECT_STREQ(document.getName().c_str(), "");
  EXPECT_EQ(describe(document.node), "W:DRAWING{W:NAME}");
  document.setName("Drawing 1");
  EXPECT_STREQ(document.makeName().c_str(), "Drawing 1");

  document.setStringAttribute("SHORTNAME", "ab-CD12x");
  EXPECT_STREQ(document.makeShortName(9).c_str(), "ab-CD12x");
  EXPECT_STREQ(document.makeShortName(0xFFFFFFFFu).c_str(), "ab-CD12x");
  EXPECT_STREQ(document.makeShortName(5).c_str(), "CD12");
  EXPECT_STREQ(document.makeShortName(4).c_str(), "VRK_1_1700000000");
  EXPECT_STREQ(document.formatName(4).c_str(), "VRK_2_1700000000");
  EXPECT_EQ(generatedNameCounter, 2u);
  // Without a short name the name is fitted; bytes from 128 up and lower-case letters go.
  document.setStringAttribute("SHORTNAME", "");
  document.setName("N\xC3\xA4me-7");
  EXPECT_STREQ(document.makeShortName(5).c_str(), "N7");
}
