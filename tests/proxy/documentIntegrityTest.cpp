// What a script or a failed write can do to a saved document, tried through calls by name:
// key words set by calls, references to removed nodes and references in every item of a file,
// documents nested deeper than a reader takes, and writes that fail half way.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "proxy/createMetaObjectFactory.h"
#include "tests/core/referenceTestHelpers.h"
#include "tests/proxy/metaProxyTestHelpers.h"
#include "tests/testFiles.h"

using namespace metaProxyTest;

namespace {

class documentIntegrityTest : public ::testing::Test {
 protected:
  documentIntegrityTest() : factory(static_cast<mzIDispatch*>(createMetaObjectFactory())) { buildTables(); }

  dispatchT fromString(const std::string& text) {
    return objectOf(method(factory.get(), "createFromString", {mzVariantS(text.c_str())}));
  }
  dispatchT fromFile(const std::string& path) {
    return objectOf(method(factory.get(), "createFromFile", {mzVariantS(path.c_str())}));
  }
  dispatchT objectList(mzIDispatch* object) {
    return objectOf(method(factory.get(), "toobjectList", {mzVariantS(static_cast<mzIUnknown*>(object))}));
  }
  // All top-level items, compact.
  static std::string writtenWhole(mzIDispatch* object) {
    return textOf(method(object, "writeToString", {number(0), number(0)}));
  }

  dispatchT factory;
};

}  // namespace

TEST_F(documentIntegrityTest, KeyWordsSetByCallsReadBackAsThatOneKeyWord) {
  const std::string document = "DOC{A{1}B{\"s\"}}";
  const std::vector<std::string> refused = {"", "}", "{", "1abc", "-inf", "+x", ".x", "x,y", "a b", "\\", "A\"B", "A}B{C",
                                            std::string("A\xff")};
  for (const std::string& key : refused) {
    SCOPED_TRACE(key);
    dispatchT list = objectList(fromString("DOC{A{1},B{\"s\"}}").get());
    ASSERT_TRUE(list);
    invokeTest::callS added = method(list.get(), "add", {mzVariantS(key.c_str())});
    EXPECT_EQ(added.outcome, 1u);
    EXPECT_EQ(added.source, "methode:add(Para:1)");
    EXPECT_EQ(written(list.get()), document);

    dispatchT node = objectOf(get(list.get(), "This"));
    EXPECT_EQ(intOf(method(node.get(), "setNameToken", {mzVariantS(key.c_str())})), 0);
    EXPECT_EQ(textOf(method(node.get(), "getNameToken")), "DOC");
    EXPECT_EQ(written(list.get()), document);
  }

  // Every word character, in a key word that does not start like a number.
  testFiles::scratchFile file("keys.txt");
  dispatchT list = objectList(fromString(document).get());
  dispatchT added = objectOf(method(list.get(), "add", {text("A_b.c-1+@")}));
  EXPECT_EQ(textOf(get(added.get(), "classkey")), "A_b.c-1+@");
  dispatchT node = objectOf(get(list.get(), "This"));
  EXPECT_EQ(intOf(method(node.get(), "setNameToken", {text("@x")})), 1);
  ASSERT_EQ(intOf(method(list.get(), "writeToFile", {text(file.path())})), 1);
  dispatchT back = fromFile(file.path());
  EXPECT_EQ(written(back.get()), "@x{A{1}B{\"s\"}A_b.c-1+@}");
  EXPECT_EQ(textOf(get(objectOf(method(objectList(back.get()).get(), "Item", {number(2)})).get(), "classkey")),
            "A_b.c-1+@");
}

TEST_F(documentIntegrityTest, AReferenceToARemovedNodeIsWrittenAsNoTarget) {
  // B is the third node: DOC, A, B.
  const std::string document = "DOC{A,B,MOREF{" + referenceTest::payloadText(3) + "}}";
  // The pool hands a freed node's block to the next node made, so C0 mostly sits where B was.
  for (int round = 0; round < 200; ++round) {
    dispatchT list = objectList(fromString(document).get());
    ASSERT_EQ(written(list.get()), "DOC{A,B,MOREF{REFTRGPTR{CODE{0}SIZE{4}DATA{\"0M0000\"}}}}");
    ASSERT_EQ(intOf(method(list.get(), "RemoveAt", {number(1)})), 1);
    method(list.get(), "add", {text("C0")});
    ASSERT_EQ(written(list.get()), "DOC{A,MOREF{REFTRGPTR{CODE{0}SIZE{4}DATA{\"000000\"}}}C0}") << round;
  }
}

TEST_F(documentIntegrityTest, ReferencesInEveryItemReadBackAsTheyWereSaved) {
  struct caseS {
    std::string text;
    std::string written;
  };
  const std::string broken = "MOREF{REFTRGPTR{CODE{0},SIZE{99999},DATA{\"A\"}}}";
  const std::string none = "MOREF{REFTRGPTR{CODE{0}SIZE{4}DATA{\";;;;;M\"}}}";
  // Positions count the nodes of every item: D, MOREF, REFTRGPTR, CODE, 0, SIZE, 4, DATA, its
  // text, then E at 9 (code 10).
  const std::string toLater = "MOREF{" + referenceTest::payloadText(10) + "}";
  const caseS cases[] = {
      {"DOC{" + broken + "} DOC{" + broken + "}", "DOC{" + none + "}DOC{" + none + "}"},
      {"FIRST,D{A,B,C,MOREF{REFTRGPTR{CODE{0},SIZE{4},DATA{\"0g0000\"}}}}",
       "FIRST,D{A,B,C,MOREF{REFTRGPTR{CODE{0}SIZE{4}DATA{\"0g0000\"}}}}"},
      {"D{A,MOREF{REFTRGPTR{CODE{0},SIZE{4},DATA{\"000000\"}}}} LATER", "D{A," + none + "}LATER"},
      {"D{" + toLater + "} E", "D{" + toLater + "}E"},
  };
  testFiles::scratchFile file("references.txt");
  for (const caseS& one : cases) {
    SCOPED_TRACE(one.text);
    dispatchT read = fromString(one.text);
    EXPECT_EQ(writtenWhole(read.get()), one.written);
    // Saved, loaded and saved again, the bytes stay: through a text and through a file.
    EXPECT_EQ(writtenWhole(fromString(one.written).get()), one.written);
    ASSERT_EQ(intOf(method(read.get(), "writeToFile", {text(file.path()), number(0), number(1)})), 1);
    const std::string saved = testFiles::readBytes(file.path());
    dispatchT loaded = fromFile(file.path());
    EXPECT_EQ(writtenWhole(loaded.get()), one.written);
    ASSERT_EQ(intOf(method(loaded.get(), "writeToFile", {text(file.path()), number(0), number(1)})), 1);
    EXPECT_EQ(testFiles::readBytes(file.path()), saved);
  }
}

TEST_F(documentIntegrityTest, ATreeNestedDeeperThanAReaderTakesIsNotWritten) {
  testFiles::scratchFile file("deep.txt");
  for (int levels : {1000, 1001}) {
    SCOPED_TRACE(levels);
    // Each add below the one before: a block per level, the root's included.
    dispatchT root = objectList(fromString("DOC").get());
    dispatchT list = root;
    for (int level = 0; level < levels; ++level) list = objectList(objectOf(method(list.get(), "add", {text("L")})).get());
    std::remove(file.path());
    if (levels > 1000) {
      EXPECT_EQ(intOf(method(root.get(), "writeToFile", {text(file.path())})), 0);
      EXPECT_EQ(access(file.path(), F_OK), -1);
      invokeTest::callS refused = invokeTest::call(root.get(), "writeToString", mzInvokeMethod, {number(1), number(0)});
      EXPECT_EQ(refused.outcome, 1u);
      EXPECT_EQ(refused.source, "methode:writeToString");
      continue;
    }
    std::string compact = "DOC";
    for (int level = 0; level < levels; ++level) compact += "{L";
    compact += std::string(size_t(levels), '}');
    EXPECT_EQ(written(root.get()), compact);
    ASSERT_EQ(intOf(method(root.get(), "writeToFile", {text(file.path())})), 1);
    EXPECT_EQ(written(fromFile(file.path()).get()), compact);
  }
}

TEST_F(documentIntegrityTest, AWriteThatFailsHalfWayKeepsTheOldFile) {
  testFiles::scratchFolder folder;
  const std::string path = folder.file("doc.txt");
  const std::string old = "OLD{\"document\"}";
  testFiles::writeBytes(path.c_str(), old);
  dispatchT document = fromString("BIG{\"" + std::string(200000, 'x') + "\"}");

  // The file size limit stops the write after 64 KB; the signal it raises is ignored, so the
  // write fails instead.
  pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit = {65536, 65536};
    bool refused = setrlimit(RLIMIT_FSIZE, &limit) == 0 &&
                   intOf(method(document.get(), "writeToFile", {text(path.c_str())})) == 0;
    _exit(refused ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_TRUE(testFiles::readBytes(path.c_str()) == old) << "the old file changed";
  EXPECT_EQ(folder.entries(), std::set<std::string>{"doc.txt"});

  EXPECT_EQ(intOf(method(document.get(), "writeToFile", {text("/dev/full")})), 0);
  ASSERT_EQ(intOf(method(document.get(), "writeToFile", {text(path.c_str()), number(1), number(0)})), 1);
  EXPECT_TRUE(testFiles::readBytes(path.c_str()) == written(document.get()));
  EXPECT_EQ(folder.entries(), std::set<std::string>{"doc.txt"});
}
