// Records of plug-in calls and output-file lists as scripts reach them through the plug-in
// description factory: data stored as copies, custom entries and pages, conversions.
#include <gtest/gtest.h>

#include <string>

#include "tests/dlliface/dllIfaceTestHelpers.h"
#include "tests/helpers/poolBalance.h"

using namespace dllIfaceTest;

namespace {

class execRecordTest : public dllIfaceFixture {};

}  // namespace

TEST_F(execRecordTest, DataWritesStoreCopiesAndAnswerOne) {
  dispatchT x = callObject(factory.get(), "createdllexecio");
  EXPECT_EQ(typeNameOf(x.get()), "class prxDllExecIOC *");
  EXPECT_EQ(intOf(get(getObject(x.get(), "InputData").get(), "ValidObj")), 0);
  EXPECT_EQ(written(x.get()), "IFACEEXEIO");

  dispatchT iface = callObject(factory.get(), "createdlliface");
  EXPECT_EQ(intOf(put(x.get(), "InputData", objectValue(iface.get()))), 1);
  EXPECT_EQ(intOf(method(x.get(), "InputData", {objectValue(iface.get())})), 1);
  EXPECT_EQ(written(x.get()), "IFACEEXEIO{INPUTDATA{DLLIFACE}}");
  callObject(getObject(iface.get(), "Info").get(), "Name", {text("later")});
  EXPECT_EQ(written(x.get()), "IFACEEXEIO{INPUTDATA{DLLIFACE}}");

  dispatchT carried = getObject(x.get(), "InputData");
  EXPECT_EQ(intOf(put(x.get(), "InputData", objectValue(carried.get()))), 1);
  EXPECT_EQ(written(x.get()), "IFACEEXEIO{INPUTDATA{DLLIFACE}}");
  expectFailure(put(x.get(), "InputData", number(5)), "methode:InputData(Para:1)", "Object call failed");
  expectFailure(put(x.get(), "CustomData", text("CUSTOMDATA")), "methode:CustomData(Para:1)", "Object call failed");
  EXPECT_EQ(written(x.get()), "IFACEEXEIO{INPUTDATA{DLLIFACE}}");
  expectFailure(put(x.get(), "ReceiverID", text("r")), "methode:ReceiverID", "Object call failed");

  // The carried description is the record's own: changed through a conversion, it changes
  // the record; the object read before the last write keeps the data it showed.
  dispatchT inner = callObject(factory.get(), "todlliface", {objectValue(getObject(x.get(), "InputData").get())});
  callObject(getObject(inner.get(), "Info").get(), "Name", {text("n")});
  EXPECT_EQ(written(x.get()), "IFACEEXEIO{INPUTDATA{DLLIFACE{INFO{NAME{\"n\"}}}}}");
  EXPECT_EQ(written(carried.get()), "DLLIFACE");

  // A node inside a tree is stored with its following siblings; the record given to itself
  // nests one level deeper each time.
  dispatchT list = callObject(mof.get(), "toobjectList", {objectValue(fromText("L{A{1}B,C}").get())});
  EXPECT_EQ(intOf(method(x.get(), "OutputData", {objectValue(callObject(list.get(), "Item", {number(1)}).get())})), 1);
  EXPECT_EQ(textOf(get(getObject(x.get(), "OutputData").get(), "classkey")), "B");
  callObject(x.get(), "Name", {text("run")});
  EXPECT_EQ(written(x.get()), "IFACEEXEIO{INPUTDATA{DLLIFACE{INFO{NAME{\"n\"}}}}OUTPUTDATA{B,C}NAME{\"run\"}}");
  EXPECT_EQ(intOf(put(x.get(), "InputData", objectValue(x.get()))), 1);
  EXPECT_EQ(written(x.get()),
            "IFACEEXEIO{OUTPUTDATA{B,C}NAME{\"run\"}INPUTDATA{IFACEEXEIO{INPUTDATA{DLLIFACE{INFO{NAME{\"n\"}}}}"
            "OUTPUTDATA{B,C}NAME{\"run\"}}}}");
  EXPECT_EQ(textOf(get(x.get(), "ReceiverID")), "");
}

TEST_F(execRecordTest, CustomDataCopiesEntriesAndPagesOfAnotherRecord) {
  dispatchT source = callObject(factory.get(), "createdllexecio");
  dispatchT custom = getObject(source.get(), "CustomData");
  dispatchT entry = callObject(getObject(custom.get(), "SectionEntries").get(), "add");
  EXPECT_EQ(intOf(put(entry.get(), "Key", text("k"))), 1);
  put(entry.get(), "Text", text("v"));
  callObject(getObject(custom.get(), "GlobalOptions").get(), "addPage", {text("G"), text("g")});

  dispatchT target = callObject(factory.get(), "createdllexecio");
  EXPECT_EQ(intOf(put(target.get(), "CustomData", objectValue(custom.get()))), 1);
  put(entry.get(), "Text", text("changed"));
  EXPECT_EQ(written(target.get()),
            "IFACEEXEIO{CUSTOMDATA{ENTRIES{ENTRY{KEY{\"k\"}TEXT{\"v\"}}}OPTIONS{GLOBALOPTPAGES{OPTPAGE{ID{\"G\"}"
            "DESC{\"g\"}}}}}}");
  EXPECT_EQ(intOf(method(getObject(getObject(target.get(), "CustomData").get(), "GlobalOptions").get(), "hasPage",
                         {text("G")})),
            1);
  // A record's own custom data given back leaves it as it was.
  EXPECT_EQ(intOf(put(target.get(), "CustomData", objectValue(getObject(target.get(), "CustomData").get()))), 1);
  EXPECT_EQ(written(getObject(target.get(), "CustomData").get()),
            "CUSTOMDATA{ENTRIES{ENTRY{KEY{\"k\"}TEXT{\"v\"}}}OPTIONS{GLOBALOPTPAGES{OPTPAGE{ID{\"G\"}DESC{\"g\"}}}}}");

  // Another key word renames the node; the next read adds a new CUSTOMDATA.
  EXPECT_EQ(intOf(put(target.get(), "CustomData", objectValue(fromText("INIFILE{SECTIONS}").get()))), 1);
  getObject(target.get(), "CustomData");
  EXPECT_EQ(written(target.get()), "IFACEEXEIO{INIFILE{SECTIONS}CUSTOMDATA}");
  // An object without a node changes nothing.
  EXPECT_EQ(intOf(put(target.get(), "CustomData", objectValue(getObject(source.get(), "OutputData").get()))), 1);
  EXPECT_EQ(written(target.get()), "IFACEEXEIO{INIFILE{SECTIONS}CUSTOMDATA}");
}

TEST_F(execRecordTest, FactoryMakesTestsAndConvertsRecordsAndLists) {
  dispatchT x = callObject(factory.get(), "createdllexecio");
  callObject(x.get(), "Version", {text("1")});
  EXPECT_EQ(intOf(method(factory.get(), "isexecio", {objectValue(x.get())})), 1);
  dispatchT copy = callObject(factory.get(), "toexecio", {objectValue(x.get())});
  EXPECT_EQ(typeNameOf(copy.get()), "class prxDllExecIOC *");
  callObject(copy.get(), "Version", {text("2")});
  EXPECT_EQ(textOf(get(x.get(), "Version")), "1");
  for (const mzVariantS& argument :
       {number(5), text("IFACEEXEIO"), objectValue(callObject(factory.get(), "createdlliface").get())})
    expectEmptyResult(method(factory.get(), "toexecio", {argument}));
  EXPECT_EQ(textOf(get(fromText("IFACEEXEIO{RECID{\"r\"}}").get(), "classkey")), "IFACEEXEIO");
  dispatchT stored = callObject(factory.get(), "toexecio", {objectValue(fromText("IFACEEXEIO{RECID{\"r\"}}").get())});
  EXPECT_EQ(textOf(get(stored.get(), "ReceiverID")), "r");

  dispatchT files = callObject(factory.get(), "createdlloutfileList");
  EXPECT_EQ(typeNameOf(files.get()), "class prxDllOutfileListC *");
  EXPECT_EQ(callObject(files.get(), "Append", {text("a")}).get(), files.get());
  EXPECT_EQ(written(files.get()), "DLLOUTFILELIST{\"a\"}");
  EXPECT_EQ(typeNameOf(getObject(files.get(), "Factory").get()), "class prxMetaObjectFactoryC *");
  EXPECT_EQ(typeNameOf(getObject(getObject(x.get(), "CustomData").get(), "Factory").get()),
            "class prxDllIfaceFactoryC *");

  // A conversion of an inner record shares it and keeps its tree alive.
  metaProxyTest::buildTables();
  poolBalance balance;
  {
    dispatchT outer = callObject(mof.get(), "toobjectList", {objectValue(fromText("LOG{IFACEEXEIO}").get())});
    dispatchT inner = callObject(factory.get(), "toexecio", {objectValue(callObject(outer.get(), "Item", {number(0)}).get())});
    outer.release();
    callObject(inner.get(), "Name", {text("n")});
    EXPECT_EQ(written(inner.get()), "IFACEEXEIO{NAME{\"n\"}}");
  }
  balance.expectBalanced();
}
