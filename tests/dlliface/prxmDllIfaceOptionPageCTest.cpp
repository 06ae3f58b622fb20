// Option pages, options, types and groups as scripts reach them through the output formats of
// a plug-in description: builders, lookups, merges and updates, values and positions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/dlliface/dllIfaceTestHelpers.h"
#include "tests/helpers/poolBalance.h"

using namespace dllIfaceTest;

namespace {

class optionPageTest : public dllIfaceFixture {};

}  // namespace

TEST_F(optionPageTest, OutputFormatsLiveOnTheirOwnAndKeepTheirIntegers) {
  dispatchT format = newOutputFormat();
  EXPECT_EQ(intOf(get(format.get(), "OutputMode")), 0);
  EXPECT_EQ(written(format.get()), "OUTFMT");
  EXPECT_EQ(intOf(get(format.get(), "ScanMode")), 0);
  EXPECT_EQ(written(format.get()), "OUTFMT{SCANMODE}");
  EXPECT_EQ(callObject(format.get(), "Costs", {number(7)}).get(), format.get());
  EXPECT_EQ(objectOf(put(format.get(), "OutputMode", doubleValue(3.9))).get(), format.get());
  expectFailure(put(format.get(), "DetectMode", doubleValue(NAN)), "methode:DetectMode(Para:1)", "Object call failed");
  callObject(getObject(format.get(), "Versions").get(), "Append", {text("v1")});
  EXPECT_EQ(intOf(get(getObject(format.get(), "VersionsDesc").get(), "Count")), 0);
  getObject(format.get(), "GlobalOptions");
  getObject(format.get(), "TransferOptions");
  EXPECT_EQ(written(format.get()),
            "OUTFMT{SCANMODE,COSTS{7}OUTMODE{3}VERSIONS{\"v1\"}VERSIONSDESC,OPTIONS{GLOBALOPTPAGES,TRANSFEROPTPAGES}}");

  const struct {
    const char* stored;
    int32_t costs;
  } costs[] = {{"2.9", 2}, {"-2.9", -2}, {"1e999", 0}, {"\"7\"", 0}, {"4294967298", 2}};
  for (const auto& each : costs) {
    dispatchT stored = callObject(factory.get(), "todlliface",
                                  {objectValue(fromText(("DLLIFACE{IOPAIRS{IOPAIR{OUTFMTS{OUTFMT{COSTS{" +
                                                         std::string(each.stored) + "}}}}}}")
                                                            .c_str())
                                                   .get())});
    dispatchT pair = callObject(getObject(stored.get(), "IOPairs").get(), "Item", {number(0)});
    dispatchT read = callObject(getObject(pair.get(), "OutParams").get(), "Item", {number(0)});
    EXPECT_EQ(intOf(get(read.get(), "Costs")), each.costs) << each.stored;
    dispatchT input = getObject(pair.get(), "InParam");
    EXPECT_EQ(typeNameOf(input.get()), "class prxDllIfaceInFmtItemC *");
    expectFailure(get(input.get(), "OutputMode"), "methode:OutputMode", "Object call failed");
  }
  EXPECT_EQ(typeNameOf(getObject(format.get(), "TransferOptions").get()), "class prxDllIfaceOptPageListC *");

  // The format outlives the description and every object on the way to it.
  metaProxyTest::buildTables();
  poolBalance balance;
  {
    dispatchT alone = newOutputFormat();
    callObject(alone.get(), "Name", {text("n")});
    EXPECT_EQ(written(alone.get()), "OUTFMT{NAME{\"n\"}}");
  }
  balance.expectBalanced();
}

TEST_F(optionPageTest, BuildersWriteWholeOptionsAndGroups) {
  dispatchT format = newOutputFormat();
  dispatchT page = callObject(getObject(format.get(), "TransferOptions").get(), "addPage", {text("P"), text("d")});
  callObject(page.get(), "addIntOption", {text("g"), text("i"), text("desc"), number(5)});
  EXPECT_EQ(written(page.get()),
            "OPTPAGE{ID{\"P\"}DESC{\"d\"}OPTITEMS{OPTITEM{ID{\"i\"}DESC{\"desc\"}GROUP{\"g\"}TYP{\"int\"}VAL{5}}}}");
  expectFailure(method(page.get(), "addIntOption", {text("g"), text("i"), text("d"), text("x")}),
                "methode:addIntOption(Para:4)", "Object call failed");
  expectFailure(method(getObject(format.get(), "TransferOptions").get(), "addPage", {text("P"), number(2)}),
                "methode:addPage(Para:2)", "Object call failed");

  dispatchT again = callObject(page.get(), "addIntOption", {text("h"), text("i"), text("D"), doubleValue(8.7)});
  EXPECT_EQ(textOf(get(again.get(), "Group")), "h");
  callObject(page.get(), "addStrOption", {text("g"), text("i"), text("S"), text("text")});
  callObject(page.get(), "addFileOpenOption",
             {text("g"), text("f"), text("F"), text("a.txt"), text("Open"), text("Texts"), text("*.txt")});
  callObject(page.get(), "addFileOpenOption",
             {text("g"), text("f"), text("F"), text("b.txt"), text("Open"), text("All"), text("*.*")});
  callObject(page.get(), "addDirOption", {text("g"), text("d"), text("Dir"), text("/tmp"), text("Pick")});
  callObject(page.get(), "addBoolOption", {text("g"), text("b"), text("B"), number(1)});
  callObject(page.get(), "addDblOption", {text("g"), text("x"), text("X"), doubleValue(2.5)});
  callObject(page.get(), "addCustomOption", {text("g"), text("c"), text("C"), text("T")});
  EXPECT_EQ(written(getObject(page.get(), "Items").get()),
            "OPTITEMS{OPTITEM{ID{\"i\"}DESC{\"S\"}GROUP{\"g\"}TYP{\"str\"}VAL{8}}"
            "OPTITEM{ID{\"f\"}DESC{\"F\"}GROUP{\"g\"}TYP{\"file\"}FDLGTYP{\"open\"}FDLGCAP{\"Open\"}"
            "EXTLST{EXTITM{EXT{\"*.txt\"}DESC{\"Texts\"}}EXTITM{EXT{\"*.*\"}DESC{\"All\"}}}VAL{\"b.txt\"}}"
            "OPTITEM{ID{\"d\"}DESC{\"Dir\"}GROUP{\"g\"}TYP{\"dir\"}FDLGCAP{\"Pick\"}VAL{\"/tmp\"}}"
            "OPTITEM{ID{\"b\"}DESC{\"B\"}GROUP{\"g\"}TYP{\"bool\"}VAL{1}}"
            "OPTITEM{ID{\"x\"}DESC{\"X\"}GROUP{\"g\"}TYP{\"dbl\"}VAL{2.5}}"
            "OPTITEM{ID{\"c\"}DESC{\"C\"}GROUP{\"g\"}TYP{\"T\"}}}");
  expectFailure(method(page.get(), "addDblOption", {text("g"), text("y"), text("Y"), doubleValue(INFINITY)}),
                "methode:addDblOption(Para:4)", "Object call failed");
  EXPECT_EQ(intOf(method(page.get(), "hasOption", {text("y")})), 0);

  dispatchT group = callObject(page.get(), "addGroup", {text("G"), text("D"), number(1), number(2), number(3), number(4)});
  EXPECT_EQ(written(group.get()), "OPTGROUP{ID{\"G\"}DESC{\"D\"}LPOS{1,2}LSIZ{3,4}}");
  callObject(getObject(group.get(), "LogPos").get(), "x", {number(5)});
  EXPECT_EQ(written(group.get()), "OPTGROUP{ID{\"G\"}DESC{\"D\"}LPOS{5,2}LSIZ{3,4}}");
  EXPECT_EQ(callObject(page.get(), "addGroup", {text("G"), text("E")}).get() != nullptr, true);
  EXPECT_EQ(written(group.get()), "OPTGROUP{ID{\"G\"}DESC{\"E\"}LPOS{5,2}LSIZ{3,4}}");
  expectFailure(put(group.get(), "LogPos", number(1)), "methode:LogPos", "Object call failed");
  expectFailure(method(page.get(), "addGroup", {text("G"), text("D"), number(1)}), "methode:addGroup",
                "Object call failed");

  // A position of three numbers reads (0, 0); a put writes the two numbers alone.
  dispatchT pages = getObject(format.get(), "GlobalOptions");
  EXPECT_EQ(intOf(method(pages.get(), "mergeWithPage",
                         {objectValue(fromText("OPTPAGE{ID{\"Q\"}OPTGROUPS{OPTGROUP{ID{\"O\"}LPOS{1,2,3}}}}").get())})),
            1);
  dispatchT stored = callObject(callObject(pages.get(), "findPage", {text("Q")}).get(), "getGroup", {text("O")});
  dispatchT position = getObject(stored.get(), "LogPos");
  EXPECT_EQ(doubleOf(get(position.get(), "x")), 0.0);
  EXPECT_EQ(callObject(position.get(), "y", {number(7)}).get(), position.get());
  EXPECT_EQ(written(stored.get()), "OPTGROUP{ID{\"O\"}LPOS{0,7}}");
}

TEST_F(optionPageTest, MergesAddWhatIsMissingAndUpdatesTakeValues) {
  dispatchT format = newOutputFormat();
  dispatchT transfer = getObject(format.get(), "TransferOptions");
  dispatchT p = callObject(transfer.get(), "addPage", {text("P"), text("d")});
  callObject(p.get(), "addIntOption", {text("g"), text("a"), text("A"), number(1)});
  dispatchT q = callObject(getObject(format.get(), "GlobalOptions").get(), "addPage", {text("P"), text("x")});
  callObject(q.get(), "addIntOption", {text("g"), text("a"), text("A2"), number(2)});
  callObject(q.get(), "addIntOption", {text("g"), text("b"), text("B"), number(3)});
  const std::string before = written(p.get());

  dispatchT merged = callObject(p.get(), "mergeWithPage", {objectValue(q.get())});
  EXPECT_EQ(intOf(method(p.get(), "hasOption", {text("b")})), 0);
  EXPECT_EQ(intOf(method(merged.get(), "hasOption", {text("b")})), 1);
  EXPECT_EQ(written(p.get()), before);

  EXPECT_EQ(intOf(method(p.get(), "getMergedPage", {objectValue(q.get())})), 0);
  EXPECT_EQ(intOf(method(p.get(), "hasOption", {text("b")})), 1);
  dispatchT a = callObject(p.get(), "getOption", {text("a")});
  EXPECT_EQ(doubleOf(get(a.get(), "Value")), 1.0);
  EXPECT_EQ(textOf(get(a.get(), "Desc")), "A");
  EXPECT_EQ(written(merged.get()), written(p.get()));

  EXPECT_EQ(intOf(method(transfer.get(), "updatePage", {objectValue(q.get())})), 1);
  EXPECT_EQ(doubleOf(get(callObject(q.get(), "getOption", {text("a")}).get(), "Value")), 1.0);
  EXPECT_EQ(doubleOf(get(callObject(q.get(), "getOption", {text("b")}).get(), "Value")), 3.0);

  // A page given as itself changes nothing; a value that is no object is a page without a node.
  const std::string whole = written(p.get());
  for (const char* member : {"setFrom", "updateFieldsFromPage", "getMergedPage"}) {
    EXPECT_EQ(intOf(method(p.get(), member, {number(3)})), 0) << member;
    EXPECT_EQ(written(p.get()), whole) << member;
  }
  EXPECT_EQ(written(callObject(p.get(), "mergeWithPage", {text("P")}).get()), whole);
  for (const char* member : {"setFrom", "updateFieldsFromPage"}) {
    EXPECT_EQ(intOf(method(p.get(), member, {objectValue(p.get())})), 0) << member;
    EXPECT_EQ(written(p.get()), whole) << member;
  }
  // Merged into itself, a page only gains the empty collections the merge reached for.
  EXPECT_EQ(intOf(method(p.get(), "getMergedPage", {objectValue(p.get())})), 0);
  EXPECT_EQ(written(p.get()), whole.substr(0, whole.size() - 1) + "OPTGROUPS,OPTTYPES}");
  for (const char* member : {"addPageIfMissing", "mergeWithPage", "updatePage", "updatePages"})
    EXPECT_EQ(intOf(method(transfer.get(), member, {number(3)})), 0) << member;
  EXPECT_EQ(intOf(method(transfer.get(), "mergeWithPages", {number(3)})), 1);

  // setFrom takes everything but the key word; the update takes only values of the same type.
  dispatchT copy = callObject(transfer.get(), "add");
  EXPECT_EQ(intOf(method(copy.get(), "setFrom", {objectValue(q.get())})), 0);
  EXPECT_EQ(written(copy.get()), "OPTPAGE" + written(q.get()).substr(std::string("OPTPAGE").size()));
  callObject(q.get(), "addDblOption", {text("g"), text("b"), text("B"), doubleValue(9.5)});
  dispatchT b = callObject(copy.get(), "getOption", {text("b")});
  EXPECT_EQ(intOf(method(copy.get(), "updateFieldsFromPage", {objectValue(q.get())})), 0);
  EXPECT_EQ(doubleOf(get(b.get(), "Value")), 3.0);
  callObject(q.get(), "addIntOption", {text("g"), text("b"), text("B"), number(4)});
  method(copy.get(), "updateFieldsFromPage", {objectValue(q.get())});
  EXPECT_EQ(doubleOf(get(b.get(), "Value")), 4.0);

  // An option object kept across its deletion reads the detached option.
  EXPECT_EQ(intOf(method(copy.get(), "delOption", {text("b")})), 1);
  EXPECT_EQ(intOf(method(copy.get(), "delOption", {text("b")})), 0);
  EXPECT_EQ(textOf(get(b.get(), "Id")), "b");
  EXPECT_EQ(intOf(method(copy.get(), "hasOption", {text("b")})), 0);
}

TEST_F(optionPageTest, ListMergeOfAPageHoldingTheListAppendsTheCopyMadeFirst) {
  dispatchT format = callObject(factory.get(), "todlliface",
                                {objectValue(fromText("DLLIFACE{IOPAIRS{IOPAIR{OUTFMTS{OUTFMT{ID{\"P\"}}}}}}").get())});
  dispatchT pair = callObject(getObject(format.get(), "IOPairs").get(), "Item", {number(0)});
  dispatchT f = callObject(getObject(pair.get(), "OutParams").get(), "Item", {number(0)});
  dispatchT pages = getObject(f.get(), "TransferOptions");
  EXPECT_EQ(intOf(method(pages.get(), "mergeWithPage", {objectValue(f.get())})), 1);
  EXPECT_EQ(written(f.get()), "OUTFMT{ID{\"P\"}OPTIONS{TRANSFEROPTPAGES{OUTFMT{ID{\"P\"}OPTIONS{TRANSFEROPTPAGES}}}}}");
  // A page already there by ID is not added again; a list merged with itself stays.
  EXPECT_EQ(intOf(method(getObject(f.get(), "GlobalOptions").get(), "addPageIfMissing", {objectValue(f.get())})), 1);
  EXPECT_EQ(intOf(method(getObject(f.get(), "GlobalOptions").get(), "addPageIfMissing", {objectValue(f.get())})), 0);
  EXPECT_EQ(intOf(method(getObject(f.get(), "GlobalOptions").get(), "mergeWithPages",
                         {objectValue(getObject(f.get(), "GlobalOptions").get())})),
            1);
  EXPECT_EQ(written(getObject(f.get(), "GlobalOptions").get()),
            "GLOBALOPTPAGES{OUTFMT{ID{\"P\"}OPTIONS{TRANSFEROPTPAGES{OUTFMT{ID{\"P\"}OPTIONS{TRANSFEROPTPAGES}}}"
            "GLOBALOPTPAGES}}}");
}

TEST_F(optionPageTest, ItemValuesKeepTheirKindAndListsReadNumbers) {
  dispatchT p = callObject(getObject(newOutputFormat().get(), "TransferOptions").get(), "addPage", {text("P"), text("d")});
  dispatchT it = callObject(p.get(), "addIntOption", {text("g"), text("a"), text("A"), number(1)});
  EXPECT_EQ(callObject(it.get(), "StrValue", {text("s")}).get(), it.get());
  EXPECT_EQ(doubleOf(get(it.get(), "Value")), 1.0);
  EXPECT_EQ(textOf(get(it.get(), "StrValue")), "");
  dispatchT values = getObject(it.get(), "Values");
  EXPECT_EQ(typeNameOf(values.get()),
            "class prxmObjListBaseTypeContainerTemplateC<double,class metaObjListValContainerT<double>> *");
  EXPECT_EQ(callObject(values.get(), "Append", {doubleValue(2.5)}).get(), values.get());
  EXPECT_EQ(intOf(get(values.get(), "Count")), 2);
  EXPECT_EQ(doubleOf(method(values.get(), "Item", {number(1)})), 2.5);
  const invokeTest::callS missing =
      invokeTest::call(values.get(), "Item", mzInvokePropertyPut, {number(5), doubleValue(7.0)});
  EXPECT_EQ(missing.outcome, 0u);
  EXPECT_EQ(doubleOf(missing), 0.0);
  expectFailure(method(values.get(), "Item", {number(5)}), "container", "out of range");
  expectFailure(method(values.get(), "Append", {doubleValue(NAN)}), "methode:Append(Para:1)", "Object call failed");
  EXPECT_EQ(textOf(method(getObject(it.get(), "StrValues").get(), "Item", {number(0)})), "");

  // Item's put makes any item a number; a text item reads 0.0 until then.
  callObject(getObject(it.get(), "StrValues").get(), "Append", {text("t")});
  EXPECT_EQ(doubleOf(method(values.get(), "Item", {number(2)})), 0.0);
  EXPECT_EQ(doubleOf(invokeTest::call(values.get(), "Item", mzInvokePropertyPut, {number(2), doubleValue(-1.5)})),
            -1.5);
  EXPECT_EQ(written(it.get()), "OPTITEM{ID{\"a\"}DESC{\"A\"}GROUP{\"g\"}TYP{\"int\"}VAL{1,2.5,-1.5}}");
  EXPECT_EQ(intOf(method(values.get(), "RemoveAt", {number(0)})), 1);
  EXPECT_EQ(doubleOf(get(it.get(), "Value")), 2.5);

  dispatchT type = callObject(p.get(), "addType", {text("T")});
  EXPECT_EQ(intOf(method(type.get(), "isBaseType")), 0);
  EXPECT_EQ(written(type.get()), "OPTTYPE{ID{\"T\"}}");
  EXPECT_EQ(intOf(method(it.get(), "isBaseType")), 1);

  // Limits are integers over stored numbers; texts stay texts.
  EXPECT_EQ(callObject(type.get(), "MinVal", {doubleValue(-2.9)}).get(), type.get());
  EXPECT_EQ(intOf(get(type.get(), "MinVal")), -2);
  expectFailure(put(type.get(), "MaxVal", doubleValue(INFINITY)), "methode:MaxVal(Para:1)", "Object call failed");
  expectFailure(put(type.get(), "FormatMask", number(1)), "methode:FormatMask(Para:1)", "Object call failed");
  callObject(getObject(type.get(), "ValueMap").get(), "Append", {number(3)});
  callObject(getObject(type.get(), "StringMap").get(), "Append", {text("three")});
  dispatchT extension = callObject(getObject(type.get(), "FileExtList").get(), "add");
  callObject(extension.get(), "Ext", {text("*.c")});
  EXPECT_EQ(written(type.get()), "OPTTYPE{ID{\"T\"}MIN{-2}VALMAP{3}STRMAP{\"three\"}EXTLST{EXTITM{EXT{\"*.c\"}}}}");

  // An option of a merged copy keeps the copy's tree once the page object has gone. (A merge
  // adds the collections it reaches for to the page given: they are made before counting.)
  method(p.get(), "getMergedPage", {objectValue(p.get())});
  metaProxyTest::buildTables();
  poolBalance balance;
  {
    dispatchT kept = callObject(callObject(p.get(), "mergeWithPage", {objectValue(p.get())}).get(), "getOption", {text("a")});
    EXPECT_EQ(doubleOf(get(kept.get(), "Value")), 2.5);
    EXPECT_EQ(intOf(method(getObject(kept.get(), "Values").get(), "RemoveAll")), -99);
    EXPECT_EQ(written(kept.get()), "OPTITEM{ID{\"a\"}DESC{\"A\"}GROUP{\"g\"}TYP{\"int\"}VAL}");
  }
  balance.expectBalanced();
}
