// INI files as a host reaches them: the factory by ProgID, files read, changed, looked up and
// written back through calls by name.
#include "jobs/ini/prxmIniFileC.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <deque>
#include <string>

#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"
#include "tests/testFiles.h"

using namespace metaProxyTest;
using testFiles::readBytes;
using testFiles::scratchFile;
using testFiles::writeBytes;

namespace {

const char* const f1 = "[a]\r\n k = v \r\n;c=1\r\n[b]\r\nK=2\r\nk=3\r\n";

class iniFileTest : public poolBalancedTest {
 protected:
  dispatchT factory = factoryOf("scripting.inifile");

  dispatchT fileWith(const std::string& bytes) {
    scratchFile& file = files.emplace_back(std::to_string(files.size()) + ".ini");
    writeBytes(file.path(), bytes);
    return callObject(factory.get(), "CreateIniFile", {text(file.path())});
  }

  dispatchT section(mzIDispatch* iniFile, int index) {
    return callObject(getObject(iniFile, "Sections").get(), "Item", {number(index)});
  }

  std::deque<scratchFile> files;
};

}  // namespace

TEST_F(iniFileTest, EveryFamilyFactoryComesByItsTextualProgIdWithOneReference) {
  for (const char* progId : {"SCRIPTING.INIFILE", "rudezaze.minifactory", "rudezaze.mwebassistantfactory",
                             "rudezaze.mpartserverfactory", "rudezaze.mdllifacefactory"}) {
    mzIDispatch* made = nullptr;
    EXPECT_EQ(createClassFactory()->CreateInstance(mzIIDS(progId), &made), 0u) << progId;
    ASSERT_NE(made, nullptr) << progId;
    EXPECT_EQ(made->AddRef(), 2u) << progId;
    made->Release();
    EXPECT_EQ(made->Release(), 0u) << progId;
  }
  dispatchT upper = factoryOf("SCRIPTING.INIFILE");
  EXPECT_EQ(typeNameOf(upper.get()), "class prxmIniFileObjectFactoryC *");
  EXPECT_EQ(written(callObject(upper.get(), "CreateIniFile").get()), "INIFILE");
}

TEST_F(iniFileTest, ReadsSectionsAndEntriesFindsTheLastKeyAndWritesPlainText) {
  dispatchT file = fileWith(f1);
  dispatchT sections = getObject(file.get(), "Sections");
  EXPECT_EQ(intOf(get(sections.get(), "Count")), 2);
  dispatchT a = section(file.get(), 0);
  EXPECT_EQ(textOf(get(a.get(), "Name")), "a");
  dispatchT entries = getObject(a.get(), "Entries");
  EXPECT_EQ(intOf(get(entries.get(), "Count")), 1);
  dispatchT entry = callObject(entries.get(), "Item", {number(0)});
  EXPECT_EQ(textOf(get(entry.get(), "Key")), "k");
  EXPECT_EQ(textOf(get(entry.get(), "Text")), " v ");
  dispatchT b = callObject(sections.get(), "", {number(1)});
  dispatchT bEntries = getObject(b.get(), "Entries");
  EXPECT_EQ(textOf(get(callObject(bEntries.get(), "FindEntry", {text("K")}).get(), "Text")), "3");
  expectEmptyResult(method(bEntries.get(), "FindEntry", {text("zz")}));

  // Keys lose their spaces, not their tabs; "]" before "[" is no header; a name loses its spaces.
  dispatchT other = fileWith("[s]\n \tk \t= v \n]a[\n[ a b ]\n");
  EXPECT_EQ(intOf(get(getObject(other.get(), "Sections").get(), "Count")), 2);
  dispatchT first = callObject(getObject(section(other.get(), 0).get(), "Entries").get(), "Item", {number(0)});
  EXPECT_EQ(textOf(get(first.get(), "Key")), "\tk \t");
  EXPECT_EQ(textOf(get(section(other.get(), 1).get(), "Name")), "a b");

  scratchFile f2("f2.ini");
  EXPECT_EQ(intOf(method(file.get(), "WriteFile", {text(f2.path())})), 1);
  EXPECT_EQ(readBytes(f2.path()), "[a]\r\nk= v \r\n[b]\r\nK=2\r\nk=3\r\n");
  EXPECT_EQ(textOf(get(file.get(), "classkey")), "INIFILE");
}

TEST_F(iniFileTest, WritesReportFailureAndUnreadablePathsGiveObjectsWithoutTree) {
  scratchFile empty("empty.ini");
  dispatchT fresh = callObject(factory.get(), "CreateIniFile");
  EXPECT_EQ(intOf(method(fresh.get(), "WriteFile", {text("/nonexistent-folder/x.ini")})), 0);
  EXPECT_EQ(written(fresh.get()), "INIFILE");
  EXPECT_EQ(intOf(method(fresh.get(), "WriteFile", {text(empty.path())})), 1);
  EXPECT_EQ(readBytes(empty.path()), "");
  EXPECT_EQ(written(fresh.get()), "INIFILE{SECTIONS}");
  EXPECT_EQ(intOf(method(fileWith(f1).get(), "WriteFile", {text("/dev/full")})), 0);

  scratchFile folder("folder");
  ASSERT_EQ(mkdir(folder.path(), 0700), 0);
  // A pipe without a writer and an endless device read as a missing file does, at once.
  scratchFile fifo("fifo");
  ASSERT_EQ(mkfifo(fifo.path(), 0600), 0);
  for (const char* path : {"/nonexistent-folder/x.ini", folder.path(), fifo.path(), "/dev/zero"}) {
    dispatchT none = callObject(factory.get(), "CreateIniFile", {text(path)});
    EXPECT_EQ(typeNameOf(none.get()), "class prxmIniFileC *");
    EXPECT_EQ(intOf(get(none.get(), "ValidObj")), 0) << path;
    EXPECT_EQ(intOf(get(getObject(none.get(), "Sections").get(), "Count")), 0);
    EXPECT_EQ(intOf(get(callObject(getObject(none.get(), "Sections").get(), "add").get(), "ValidObj")), 0);
    writeBytes(empty.path(), "x");
    EXPECT_EQ(intOf(method(none.get(), "WriteFile", {text(empty.path())})), 1);
    EXPECT_EQ(readBytes(empty.path()), "");
  }
  dispatchT noSection = fileWith("k=v\n");
  EXPECT_EQ(written(noSection.get()), std::string("INIFILE{FNAME{\"") + files.back().path() + "\"}}");
  EXPECT_EQ(intOf(method(noSection.get(), "ReadFile", {text(files.back().path())})), 1);
  rmdir(folder.path());
  EXPECT_EQ(intOf(method(fresh.get(), "ReadFile", {text(fifo.path())})), 0);
  EXPECT_EQ(intOf(get(fresh.get(), "ValidObj")), 0);

  // A long line is read whole, and a zero byte in a line ends no reading.
  std::string bytes = "[s]\nk=" + std::string(20000, 'v') + "\nz=a";
  bytes += '\0';
  bytes += "b\nlast=2\n";
  dispatchT odd = fileWith(bytes);
  dispatchT entries = getObject(section(odd.get(), 0).get(), "Entries");
  EXPECT_EQ(intOf(get(entries.get(), "Count")), 3);
  EXPECT_EQ(textOf(get(callObject(entries.get(), "Item", {number(0)}).get(), "Text")), std::string(20000, 'v'));
  EXPECT_EQ(textOf(get(callObject(entries.get(), "FindEntry", {text("Z")}).get(), "Text")), "a");
  EXPECT_EQ(textOf(get(callObject(entries.get(), "FindEntry", {text("last")}).get(), "Text")), "2");
}

TEST_F(iniFileTest, WriteFileWritesOnlyWhatReadsBackAsTheSameSectionsAndEntries) {
  struct caseS {
    const char* name;
    const char* key;
    const char* text;
    const char* bytes;  // null: refused
  };
  const caseS cases[] = {
      {"S", "a", "1", "[S]\r\na=1\r\n"},
      // Blanks the reader trims are written as they stand.
      {" S ", " a ", " [x] ", "[ S ]\r\n a = [x] \r\n"},
      {"S", "[k", "1", "[S]\r\n[k=1\r\n"},
      {"a\nb", "k", "v", nullptr},
      {"a\rb", "k", "v", nullptr},
      {"a]b", "k", "v", nullptr},
      {"S", "k\n", "v", nullptr},
      {"S", "k=x", "v", nullptr},
      {"S", ";k", "v", nullptr},
      {"S", " \t;k", "v", nullptr},
      {"S", "k", "a\n[injected]\nevil=1", nullptr},
      {"S", "k", "v\r", nullptr},
      {"S", " [k", "]", nullptr},  // would read back as a header
  };
  scratchFile target("target.ini");
  for (const caseS& one : cases) {
    SCOPED_TRACE(std::string(one.name) + "|" + one.key + "|" + one.text);
    dispatchT file = callObject(factory.get(), "CreateIniFile");
    dispatchT added = callObject(getObject(file.get(), "Sections").get(), "add");
    ASSERT_EQ(intOf(put(added.get(), "Name", text(one.name))), 1);
    dispatchT entry = callObject(getObject(added.get(), "Entries").get(), "add");
    ASSERT_EQ(intOf(put(entry.get(), "Key", text(one.key))), 1);
    ASSERT_EQ(intOf(put(entry.get(), "Text", text(one.text))), 1);
    const std::string before = written(file.get());
    writeBytes(target.path(), "[old]\r\n");
    if (!one.bytes) {
      EXPECT_EQ(intOf(method(file.get(), "WriteFile", {text(target.path())})), 0);
      EXPECT_EQ(readBytes(target.path()), "[old]\r\n");
      EXPECT_EQ(written(file.get()), before);
      continue;
    }
    ASSERT_EQ(intOf(method(file.get(), "WriteFile", {text(target.path())})), 1);
    EXPECT_EQ(readBytes(target.path()), one.bytes);
    dispatchT back = callObject(factory.get(), "CreateIniFile", {text(target.path())});
    dispatchT backEntry = callObject(getObject(section(back.get(), 0).get(), "Entries").get(), "Item", {number(0)});
    EXPECT_EQ(textOf(get(backEntry.get(), "Text")), one.text);
  }

  // Built by calls with fields left out: they are written empty.
  dispatchT file = callObject(factory.get(), "CreateIniFile");
  dispatchT added = callObject(getObject(file.get(), "Sections").get(), "add");
  put(added.get(), "Name", text("S"));
  dispatchT entries = getObject(added.get(), "Entries");
  dispatchT a = callObject(entries.get(), "add");
  put(a.get(), "Key", text("a"));
  put(a.get(), "Text", text("1"));
  put(callObject(entries.get(), "add").get(), "Key", text("b"));
  ASSERT_EQ(intOf(method(file.get(), "WriteFile", {text(target.path())})), 1);
  EXPECT_EQ(readBytes(target.path()), "[S]\r\na=1\r\nb=\r\n");
}

TEST_F(iniFileTest, ListsFailOutOfRangePutsAnswerOneAndFactoriesDiffer) {
  dispatchT file = fileWith(f1);
  dispatchT sections = getObject(file.get(), "Sections");
  for (int index : {2, -1}) expectFailure(method(sections.get(), "Item", {number(index)}), "container", "out of range");
  expectFailure(method(sections.get(), "Item", {text("0")}), "methode:Item(Para:1)", "Object call failed");

  dispatchT added = callObject(sections.get(), "add");
  dispatchT entry = callObject(getObject(added.get(), "Entries").get(), "add");
  const struct {
    mzIDispatch* object;
    const char* member;
  } puts[] = {{added.get(), "Name"}, {entry.get(), "Key"}, {entry.get(), "Text"}};
  for (const auto& each : puts) {
    EXPECT_EQ(intOf(put(each.object, each.member, text("p"))), 1) << each.member;
    EXPECT_EQ(intOf(method(each.object, each.member, {text(each.member)})), 1) << each.member;
    EXPECT_EQ(textOf(get(each.object, each.member)), each.member);
    expectFailure(put(each.object, each.member, number(1)), (std::string("methode:") + each.member + "(Para:1)").c_str(),
                  "Object call failed");
  }
  EXPECT_EQ(written(added.get()), "SECTION{ENTRIES{ENTRY{KEY{\"Key\"}TEXT{\"Text\"}}}NAME{\"Name\"}}");
  EXPECT_EQ(textOf(get(getObject(added.get(), "Entries").get(), "classkey")), "ENTRIES");
  EXPECT_EQ(textOf(get(sections.get(), "classkey")), "SECTIONS");

  // Records answer a new INI factory, lists the meta-object factory.
  dispatchT iniFactory = getObject(added.get(), "Factory");
  EXPECT_EQ(typeNameOf(iniFactory.get()), "class prxmIniFileObjectFactoryC *");
  EXPECT_NE(iniFactory.get(), getObject(entry.get(), "Factory").get());
  EXPECT_EQ(typeNameOf(getObject(sections.get(), "Factory").get()), "class prxMetaObjectFactoryC *");
  EXPECT_EQ(method(getObject(sections.get(), "Factory").get(), "CreateIniFile").outcome, 1u);

  const struct {
    dispatchT object;
    const char* typeName;
  } types[] = {
      {sections, "class prxmObjListObjTypeContainerTemplateC<class prxmIniFileSectionC,class mIniSectionC> *"},
      {added, "class prxmIniFileSectionC *"},
      {getObject(added.get(), "Entries"), "class prxmIniFileSectionEntriesC *"},
      {entry, "class prxmIniFileSectionEntryC *"},
      {callObject(sections.get(), "objEnum"), "class prxmObjEnumC<class prxmIniFileSectionC> *"},
      {callObject(getObject(added.get(), "Entries").get(), "objEnum"),
       "class prxmObjEnumC<class prxmIniFileSectionEntryC> *"},
  };
  for (const auto& each : types) EXPECT_EQ(typeNameOf(each.object.get()), each.typeName);
}

TEST_F(iniFileTest, ObjectsTakenFromAFileKeepTheTreeTheyCameFrom) {
  metaProxyTest::buildTables();
  poolBalance balance;
  {
    dispatchT kept;
    dispatchT before;
    {
      dispatchT file = fileWith(f1);
      kept = section(file.get(), 0);
    }
    EXPECT_EQ(textOf(get(kept.get(), "Name")), "a");

    dispatchT file = fileWith(f1);
    before = section(file.get(), 1);
    EXPECT_EQ(intOf(method(file.get(), "ReadFile", {text(files.front().path())})), 1);
    dispatchT other = fileWith("[new]\n");
    EXPECT_EQ(intOf(method(file.get(), "ReadFile", {text(files.back().path())})), 1);
    EXPECT_EQ(textOf(get(before.get(), "Name")), "b");
    EXPECT_EQ(put(before.get(), "Name", text("c")).outcome, 0u);
    EXPECT_EQ(textOf(get(section(file.get(), 0).get(), "Name")), "new");
    EXPECT_EQ(intOf(get(getObject(file.get(), "Sections").get(), "Count")), 1);
  }
  balance.expectBalanced();
}
