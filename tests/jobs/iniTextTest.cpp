#include "jobs/ini/iniText.h"

#include <gtest/gtest.h>

#include <string>

#include "core/metaTreeC.h"
#include "jobs/ini/mIniFileC.h"
#include "platform/textFile.h"
#include "tests/core/treeTestHelpers.h"
#include "tests/testFiles.h"

using treeTest::compact;
using treeTest::describe;
using treeTest::parse;
using namespace std::string_literals;

namespace {

// The sections of a model as "name:key=text,key=text;..."; "-" when there is no SECTIONS.
std::string sectionsOf(mIniFileC& file) {
  const metaTreeC* sections = peekFieldNode(file.getNode(), "SECTIONS");
  if (!sections) return "-";
  std::string text;
  mIniSectionListC list = file.getSections();
  for (uint32_t s = 0; s < list.getCount(); ++s) {
    mIniSectionC section = list.getItem(int(s));
    text += (s ? ";" : "") + std::string(section.getName().c_str()) + ":";
    mIniEntryListC entries = section.getEntries();
    for (uint32_t e = 0; e < entries.getCount(); ++e) {
      mIniEntryC entry = entries.getItem(int(e));
      text += (e ? "," : "") + std::string(entry.getKey().c_str(), size_t(entry.getKey().length())) + "=" + std::string(entry.getText().c_str(), size_t(entry.getText().length()));
    }
  }
  return text;
}

const char f1[] = "[a]\r\n k = v \r\n;c=1\r\n[b]\r\nK=2\r\nk=3\r\n";

}  // namespace

TEST(iniText, ReaderRulesLineByLine) {
  struct caseS {
    std::string text;
    const char* sections;
  };
  const caseS cases[] = {
      {"", "-"},
      {"k=v\n[s]\n", "s:"},  // entries before the first header go
      {"[]\n", ":"},
      {" \t[ \ta b\t ] y]\n", "\ta b\t:"},
      // A header starts its line, after blanks; "[" and "]" elsewhere make none.
      {"[Desktop Entry]\nName=Vim\nName[de]=Vim\nExec=vim %F\n", "Desktop Entry:Name=Vim,Name[de]=Vim,Exec=vim %F"},
      {"[s]\nregex=[a-z]+\nnext=1\nif [ -f x ]; then\n", "s:regex=[a-z]+,next=1"},
      {"[main]\na=1\n;[old]\nb=2\n#[old]\n", "main:a=1,b=2"},
      {"x=[a]\n[s]\n]e[\n[f\nx=[c]\n]a[=1\n", "s:x=[c],]a[=1"},
      {"[s]\n \tk \t= v \na=b=c\n=x\nk=\n", "s:\tk \t= v ,a=b=c,=x,k="},
      {"[s]\n;c=1\n ;c=1\n\n  \nno equals\n", "s:;c=1"},
      {"[s]\nk=1\n[S]\nk=2\nK=3\n", "s:k=1;S:k=2,K=3"},
      {"[s]\nk=v\r\nl=w\r\r\nm=\rx\r", "s:k=v,l=w\r,m=\rx"},
      {"[s]\nk=a\0b\n[t\0]\nl=1"s, "s:k=a,l=1"},
      {"[s]\nk=v", "s:k=v"},  // a last line without LF
  };
  for (const caseS& c : cases) {
    mIniFileC file = parseIniText(c.text, "p");
    EXPECT_TRUE(file.ownsNode());
    EXPECT_EQ(sectionsOf(file), c.sections) << c.text;
  }

  // The children in the order a file gives them.
  mIniFileC file = parseIniText("[s]\nk=v\n[e]\n", "the path");
  EXPECT_EQ(describe(file.getNode()),
            "W:INIFILE{W:FNAME{S:\"the path\"} W:SECTIONS{W:SECTION{W:NAME{S:\"s\"} W:ENTRIES{W:ENTRY{W:KEY{S:\"k\"} "
            "W:TEXT{S:\"v\"}}}} W:SECTION{W:NAME{S:\"e\"}}}}");
  EXPECT_EQ(describe(parseIniText("k=v\n", "p").getNode()), "W:INIFILE{W:FNAME{S:\"p\"}}");

  // Lines of any length are read whole.
  std::string longText = "[s]\nk=" + std::string(100000, 'x') + "\nn=1\n[" + std::string(9000, 'n') + "]\n";
  mIniFileC longFile = parseIniText(longText, "p");
  EXPECT_EQ(sectionsOf(longFile), "s:k=" + std::string(100000, 'x') + ",n=1;" + std::string(9000, 'n') + ":");
}

TEST(iniText, FilesReadInTextModeAndUnreadablePathsGiveTheEmptyModel) {
  testFiles::scratchFile path("f1.ini");
  testFiles::writeBytes(path.path(), f1);
  mIniFileC file = readIniText(path.path());
  EXPECT_EQ(sectionsOf(file), "a:k= v ;b:K=2,k=3");
  EXPECT_STREQ(peekStringField(file.getNode(), "FNAME").c_str(), path.path());
  EXPECT_STREQ(file.findSection("B").getEntries().getItem(0).getText().c_str(), "2");

  // CR CR LF loses both CRs: text mode takes one, the reader the other.
  testFiles::writeBytes(path.path(), "[s]\r\nk=v\r\r\nl=w\r\r\r\n");
  mIniFileC crs = readIniText(path.path());
  EXPECT_EQ(sectionsOf(crs), "s:k=v,l=w\r");

  testFiles::writeBytes(path.path(), "");
  EXPECT_EQ(describe(readIniText(path.path()).getNode()), "W:INIFILE{W:FNAME{S:\"" + std::string(path.path()) + "\"}}");

  for (const char* unreadable : {"/nonexistent/dir/file.ini", "/tmp", static_cast<const char*>(nullptr)}) {
    mIniFileC empty = readIniText(unreadable);
    EXPECT_FALSE(empty.isValid());
    EXPECT_EQ(sectionsOf(empty), "-");
  }
}

TEST(iniText, WriterBytesCreatedFieldsAndFailures) {
  testFiles::scratchFile path("out.ini");
  testFiles::scratchFile source("f1.ini");
  testFiles::writeBytes(source.path(), f1);
  mIniFileC read = readIniText(source.path());
  ASSERT_EQ(writeIniText(read, path.path()), 1u);
  EXPECT_EQ(testFiles::readBytes(path.path()), "[a]\r\nk= v \r\n[b]\r\nK=2\r\nk=3\r\n");
  mIniFileC back = readIniText(path.path());
  EXPECT_EQ(sectionsOf(back), sectionsOf(read));

  // Built by calls: missing fields are written empty and then stand in the tree.
  mIniFileC built = mIniFileC::create(1);
  mIniSectionC section = built.addSection();
  section.setName("S");
  mIniEntryListC entries = section.getEntries();
  mIniEntryC a = addIniEntry(entries);
  a.setKey("a");
  a.setText("1");
  addIniEntry(entries).setKey("b");
  ASSERT_EQ(writeIniText(built, path.path()), 1u);
  EXPECT_EQ(testFiles::readBytes(path.path()), "[S]\r\na=1\r\nb=\r\n");
  EXPECT_EQ(compact(built),
            "INIFILE{SECTIONS{SECTION{NAME{\"S\"}ENTRIES{ENTRY{KEY{\"a\"}TEXT{\"1\"}}ENTRY{KEY{\"b\"}TEXT}}}}}");

  // Every child of SECTIONS and of ENTRIES is written, whatever its key word, and values of
  // other kinds as empty texts; nothing is escaped.
  mIniFileC odd(parse("INIFILE{SECTIONS{SECTION{NAME{\"a b\"} ENTRIES{ENTRY{KEY{\"k\"} TEXT{\"t\"}} OTHER{TEXT{\"o\"}} "
                      "ENTRY{KEY{3} TEXT{W}}}} FOO}}"),
                1);
  ASSERT_EQ(writeIniText(odd, path.path()), 1u);
  EXPECT_EQ(testFiles::readBytes(path.path()), "[a b]\r\nk=t\r\n=o\r\n=\r\n[]\r\n");
  EXPECT_EQ(compact(odd),
            "INIFILE{SECTIONS{SECTION{NAME{\"a b\"}ENTRIES{ENTRY{KEY{\"k\"}TEXT{\"t\"}}OTHER{TEXT{\"o\"}KEY}ENTRY{KEY{3}"
            "TEXT{W}}}}FOO{NAME,ENTRIES}}}");

  // A zero byte would cut its line short: refused as a line break is, the file kept.
  testFiles::writeBytes(path.path(), "old");
  mIniFileC withZero = parseIniText("[s]\nk=v\n", "p");
  metaTreeC* entry = withZero.getSections().getItem(0).getEntries().getItemNode(0);
  peekFieldNode(entry, "TEXT")->firstChild->value.setString(nullptr, "a\0b", 3);
  EXPECT_EQ(writeIniText(withZero, path.path()), 0u);
  EXPECT_EQ(testFiles::readBytes(path.path()), "old");

  // A fresh file writes an empty file and gains its empty SECTIONS; so does a model without
  // a tree, which stays without one.
  mIniFileC fresh = mIniFileC::create(1);
  ASSERT_EQ(writeIniText(fresh, path.path()), 1u);
  EXPECT_EQ(testFiles::readBytes(path.path()), "");
  EXPECT_EQ(compact(fresh), "INIFILE{SECTIONS}");
  testFiles::writeBytes(path.path(), "old");
  mIniFileC none;
  EXPECT_EQ(writeIniText(none, path.path()), 1u);
  EXPECT_EQ(testFiles::readBytes(path.path()), "");

  // A file that cannot be created, written or closed gives 0 and leaves the tree as it was.
  mIniFileC unwritten = mIniFileC::create(1);
  EXPECT_EQ(writeIniText(unwritten, "/nonexistent/dir/file.ini"), 0u);
  EXPECT_EQ(writeIniText(unwritten, nullptr), 0u);
  EXPECT_EQ(compact(unwritten), "INIFILE");
  mIniFileC full = readIniText(source.path());
  std::string before = compact(full);
  EXPECT_EQ(writeIniText(full, "/dev/full"), 0u);
  EXPECT_EQ(compact(full), before);
}

TEST(iniText, LookupsIgnoreCaseAndTheLastOfEqualNamesWins) {
  mIniFileC file = parseIniText("[s]\nk=1\nK=2\n[x]\n[S]\nk=3\n", "p");
  mIniSectionC second = file.findSection("s");
  ASSERT_TRUE(second.isValid());
  EXPECT_FALSE(second.ownsNode());
  EXPECT_EQ(second.getNode(), file.getSections().getItemNode(2));
  EXPECT_FALSE(file.findSection("missing").isValid());
  EXPECT_FALSE(file.findSection(nullptr).isValid());

  mIniEntryListC entries = file.getSections().getItem(0).getEntries();
  EXPECT_STREQ(findIniEntry(entries, "k").getText().c_str(), "2");
  EXPECT_FALSE(findIniEntry(entries, "k ").isValid());
  int found = 7;
  EXPECT_STREQ(getIniEntryText(entries, "K", &found).c_str(), "2");
  EXPECT_EQ(found, 1);
  EXPECT_STREQ(getIniEntryText(entries, "z", &found).c_str(), "");
  EXPECT_EQ(found, 0);
  EXPECT_STREQ(getIniEntryTextOr(entries, "k", "d").c_str(), "2");
  EXPECT_STREQ(getIniEntryTextOr(entries, "z", "d").c_str(), "d");

  // Items are read through the getters from the last one down, so those looked at gain the
  // field they lacked; other children of the list are no items.
  mIniEntryListC bare(parse("ENTRIES{ENTRY{KEY{\"a\"}} OTHER{KEY{\"b\"}} ENTRY ENTRY{TEXT{\"t\"}}}"), 1);
  EXPECT_FALSE(findIniEntry(bare, "b").isValid());
  EXPECT_EQ(describe(bare.getNode()), "W:ENTRIES{W:ENTRY{W:KEY{S:\"a\"}} W:OTHER{W:KEY{S:\"b\"}} W:ENTRY{W:KEY} "
                                      "W:ENTRY{W:TEXT{S:\"t\"} W:KEY}}");
  EXPECT_EQ(findIniEntry(bare, "").getNode(), bare.getItemNode(2));

  // Over nothing: no section list, no match, nothing added.
  mIniFileC none;
  EXPECT_EQ(none.getSections().getCount(), 0u);
  EXPECT_FALSE(none.addSection().isValid());
  EXPECT_FALSE(none.findSection("s").isValid());
  mIniEntryListC noEntries;
  EXPECT_FALSE(addIniEntry(noEntries).isValid());
  EXPECT_STREQ(getIniEntryTextOr(noEntries, "k", "d").c_str(), "d");
}

// The reader takes a file's bytes as stored and drops the CR of each CR LF line by line; it must
// give what reading the folded text gives, byte for byte, whatever the mix of CRs, LFs, zero
// bytes, blanks and marks.
TEST(iniText, FilesReadAsTheirFoldedTextReads) {
  auto foldedByHand = [](const std::string& disk) {
    std::string text;
    for (size_t i = 0; i < disk.size(); ++i)
      if (!(disk[i] == '\r' && i + 1 < disk.size() && disk[i + 1] == '\n')) text += disk[i];
    return text;
  };
  const std::string pieces[] = {"[s]", "[t", "]", "k", "=", "v", ";", " ", "\t", "\r", "\r", "\n", "\r\n", "\0"s};
  uint32_t seed = 7;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 16; };
  testFiles::scratchFile path("random.ini");
  for (int round = 0; round < 300; ++round) {
    std::string disk;
    for (uint32_t n = next() % 120; n > 0; --n) disk += pieces[next() % std::size(pieces)];
    testFiles::writeBytes(path.path(), disk);
    ASSERT_EQ(textFile::fromDiskText(disk), foldedByHand(disk));
    mIniFileC read = readIniText(path.path());
    mIniFileC parsed = parseIniText(foldedByHand(disk), path.path());
    ASSERT_EQ(describe(read.getNode()), describe(parsed.getNode())) << round;
  }

  // Equal keys and texts share their bytes inside a read; a put gives the node its own.
  mIniFileC file = parseIniText("[s]\nk=v\nk=v\n", "p");
  mIniEntryListC entries = file.getSections().getItem(0).getEntries();
  entries.getItem(0).setKey("z");
  entries.getItem(0).setText("w");
  EXPECT_EQ(sectionsOf(file), "s:z=w,k=v");
}

// The reader links its nodes by hand: every link must agree with its neighbours, so that
// later edits through the usual primitives find the tree as they would have built it.
TEST(iniText, ReadTreesAreLinkedAsTheLinkPrimitivesLinkThem) {
  testFiles::scratchFile path("links.ini");
  testFiles::writeBytes(path.path(), "[a]\r\nk=1\r\nlong key name=a text of its own\r\n[b]\r\n[c]\r\nx=y\r\n");
  mIniFileC file = readIniText(path.path());
  ASSERT_TRUE(treeTest::linksConsistent(file.getNode(), nullptr));

  mIniEntryListC entries = file.findSection("b").getEntries();
  addIniEntry(entries).setKey("n");
  mIniSectionC added = file.addSection();
  added.setName("d");
  file.getSections().getItem(0).getEntries().getItem(1).setText("t");
  EXPECT_TRUE(treeTest::linksConsistent(file.getNode(), nullptr));
  EXPECT_EQ(sectionsOf(file), "a:k=1,long key name=t;b:n=;c:x=y;d:");
  ASSERT_EQ(writeIniText(file, path.path()), 1u);
  EXPECT_EQ(testFiles::readBytes(path.path()), "[a]\r\nk=1\r\nlong key name=t\r\n[b]\r\nn=\r\n[c]\r\nx=y\r\n[d]\r\n");
}
