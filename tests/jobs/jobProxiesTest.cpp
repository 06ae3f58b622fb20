// Conversion jobs as a host reaches them: web-assistant jobs and list files, part-server
// jobs and output-file lists, made, converted, tested and filled through calls by name.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"

using namespace metaProxyTest;

namespace {

class jobProxiesTest : public poolBalancedTest {
 protected:
  dispatchT wa = factoryOf("rudezaze.mwebassistantfactory");
  dispatchT ps = factoryOf("rudezaze.mpartserverfactory");
  dispatchT mof = factoryOf("rudezaze.metaobjectfactory");

  dispatchT fromText(const char* treeText) { return callObject(mof.get(), "createFromString", {text(treeText)}); }
};

}  // namespace

TEST_F(jobProxiesTest, WebAssistantJobFieldsChainAndKeepValuesOfTheOtherKind) {
  dispatchT job = callObject(wa.get(), "createObject", {text("Job")});
  EXPECT_EQ(typeNameOf(job.get()), "class prxmWebAssistantJobC *");
  EXPECT_EQ(written(job.get()), "JOB");
  dispatchT same = objectOf(put(job.get(), "DocName", text("d")));
  EXPECT_EQ(same.get(), job.get());
  EXPECT_EQ(callObject(job.get(), "Outpath", {text("o")}).get(), job.get());
  dispatchT format = callObject(getObject(job.get(), "Formats").get(), "add");
  EXPECT_EQ(callObject(format.get(), "FormatId", {number(7)}).get(), format.get());
  EXPECT_EQ(written(job.get()), "JOB{DOCNAME{\"d\"}OUTPATH{\"o\"}FORMATS{FORMAT{FORMATID{7}}}}");
  EXPECT_EQ(intOf(get(format.get(), "FormatId")), 7);
  EXPECT_EQ(textOf(get(job.get(), "DocName")), "d");

  // Integers take numbers only, a finite one; a double keeps its truncation.
  for (const mzVariantS& refused : {text("8"), doubleValue(std::nan("")),
                                    doubleValue(std::numeric_limits<double>::infinity())})
    expectFailure(put(format.get(), "FormatId", refused), "methode:FormatId(Para:1)", "Object call failed");
  put(format.get(), "FormatId", doubleValue(-2.9));
  EXPECT_EQ(intOf(get(format.get(), "FormatId")), -2);

  dispatchT read = callObject(wa.get(), "tojob", {objectValue(fromText("JOB{FORMATS{FORMAT{FORMATID{\"7\"}}}}").get())});
  dispatchT textId = callObject(getObject(read.get(), "Formats").get(), "Item", {number(0)});
  EXPECT_EQ(intOf(get(textId.get(), "FormatId")), 0);
  EXPECT_EQ(objectOf(put(textId.get(), "FormatId", number(5))).get(), textId.get());
  EXPECT_EQ(written(read.get()), "JOB{FORMATS{FORMAT{FORMATID{\"7\"}}}}");

  // Views and their file names, the entries' factory and the lists' class keys.
  dispatchT view = callObject(getObject(format.get(), "Views").get(), "add");
  callObject(callObject(view.get(), "ViewId", {number(3)}).get(), "ViewNo", {number(4)});
  callObject(view.get(), "ViewName", {text("v")});
  callObject(getObject(view.get(), "FileNames").get(), "Append", {text("f")});
  put(view.get(), "ErrMsg", text("e"));
  EXPECT_EQ(written(view.get()), "VIEW{VIEWID{3}VIEWNO{4}VIEWNAME{\"v\"}FILENAMES{\"f\"}ERRMSG{\"e\"}}");
  EXPECT_EQ(intOf(get(view.get(), "ViewNo")), 4);
  EXPECT_EQ(textOf(get(getObject(format.get(), "Views").get(), "classkey")), "VIEWS");
  EXPECT_EQ(textOf(get(getObject(view.get(), "FileNames").get(), "classkey")), "FILENAMES");
  dispatchT factory = getObject(view.get(), "Factory");
  EXPECT_EQ(typeNameOf(factory.get()), "class prxmWebAssistantObjectFactoryC *");
  EXPECT_NE(factory.get(), getObject(view.get(), "Factory").get());
  EXPECT_EQ(typeNameOf(getObject(getObject(job.get(), "Formats").get(), "Factory").get()),
            "class prxMetaObjectFactoryC *");
  EXPECT_EQ(typeNameOf(getObject(job.get(), "Formats").get()),
            "class prxmObjListObjTypeContainerTemplateC<class prxmWebAssistantFmtEntryC,class "
            "mAssistantFMTListEntryC> *");
  EXPECT_EQ(typeNameOf(getObject(format.get(), "Views").get()),
            "class prxmObjListObjTypeContainerTemplateC<class prxmWebAssistantViewEntryC,class "
            "mAssistantViewListEntryC> *");

  for (const char* name : {"JOB ", "", "jobs"}) expectEmptyResult(method(wa.get(), "createObject", {text(name)}));
  expectFailure(method(wa.get(), "createObject", {number(1)}), "methode:createObject(Para:1)", "Object call failed");
}

TEST_F(jobProxiesTest, ListFilesHoldIdentFormatsAndTextLists) {
  dispatchT list = callObject(wa.get(), "createObject", {text("list")});
  EXPECT_EQ(typeNameOf(list.get()), "class prxmWebAssistantListFileC *");
  EXPECT_EQ(written(list.get()), "LIST");
  getObject(list.get(), "ErrorMsg");
  getObject(list.get(), "Formats");
  EXPECT_EQ(written(list.get()), "LIST{ERRORMSG,FORMATS}");

  dispatchT ident = getObject(list.get(), "Ident");
  EXPECT_EQ(textOf(get(ident.get(), "NN")), "");
  EXPECT_EQ(callObject(callObject(ident.get(), "NB", {text("b")}).get(), "NN", {text("n")}).get(), ident.get());
  dispatchT custom = getObject(list.get(), "CustomMsg");
  callObject(callObject(custom.get(), "Append", {text("1")}).get(), "Append", {text("2")});
  EXPECT_EQ(intOf(get(custom.get(), "Count")), 2);
  callObject(getObject(list.get(), "AssPartnames").get(), "Append", {text("p")});
  EXPECT_EQ(written(list.get()),
            "LIST{ERRORMSG,FORMATS,IDENT{NN{\"n\"}NB{\"b\"}}CUSTOMMSG{\"1\",\"2\"}ASSPARTNAMES{\"p\"}}");
  const struct {
    const char* member;
    const char* classKey;
  } lists[] = {{"Ident", "IDENT"}, {"ErrorMsg", "ERRORMSG"}, {"CustomMsg", "CUSTOMMSG"}, {"AssPartnames", "ASSPARTNAMES"}};
  for (const auto& each : lists) EXPECT_EQ(textOf(get(getObject(list.get(), each.member).get(), "classkey")), each.classKey);
  expectFailure(put(list.get(), "Formats", number(1)), "methode:Formats", "Object call failed");
  EXPECT_EQ(textOf(get(list.get(), "classkey")), "LIST");

  // A list file read from text stays a plain object; it is no job.
  dispatchT read = fromText("LIST{IDENT}");
  EXPECT_EQ(typeNameOf(read.get()), "class prxMetaObjectBaseTemplateC<class metaObjectC> *");
  EXPECT_EQ(intOf(method(wa.get(), "isjob", {objectValue(read.get())})), 0);
  expectEmptyResult(method(wa.get(), "tojob", {objectValue(read.get())}));
}

TEST_F(jobProxiesTest, BothFactoriesTestAndConvertJobsOfEitherFamily) {
  dispatchT psJob = callObject(ps.get(), "createObject", {text("JoB")});
  EXPECT_EQ(typeNameOf(psJob.get()), "class prxmPSJobC *");
  dispatchT outFiles = callObject(ps.get(), "createObject", {text("OUTFILELIST")});
  EXPECT_EQ(typeNameOf(outFiles.get()), "class prxmPSOutFilesC *");
  for (mzIDispatch* factory : {wa.get(), ps.get()}) {
    EXPECT_EQ(intOf(method(factory, "isjob", {objectValue(psJob.get())})), 1);
    EXPECT_EQ(intOf(method(factory, "isjob", {objectValue(outFiles.get())})), 0);
    EXPECT_EQ(intOf(method(factory, "isjob", {number(5)})), 0);
    EXPECT_EQ(intOf(method(factory, "isjob", {objectValue(fromText("job").get())})), 0);
    expectEmptyResult(method(factory, "tojob", {objectValue(fromText("job").get())}));
    expectEmptyResult(method(factory, "tojob", {number(5)}));
    expectEmptyResult(method(factory, "tojob", {objectValue(outFiles.get())}));
  }

  // A root is converted as a copy.
  dispatchT asWebJob = callObject(wa.get(), "tojob", {objectValue(psJob.get())});
  EXPECT_EQ(typeNameOf(asWebJob.get()), "class prxmWebAssistantJobC *");
  put(asWebJob.get(), "Outpath", text("o"));
  EXPECT_EQ(written(asWebJob.get()), "JOB{OUTPATH{\"o\"}}");
  EXPECT_EQ(written(psJob.get()), "JOB");

  // A job inside a larger tree is shared.
  dispatchT outer = callObject(mof.get(), "toobjectList", {objectValue(fromText("JOBS{JOB}").get())});
  dispatchT inner = callObject(outer.get(), "Item", {number(0)});
  dispatchT asPsJob = callObject(ps.get(), "tojob", {objectValue(inner.get())});
  EXPECT_EQ(typeNameOf(asPsJob.get()), "class prxmPSJobC *");
  callObject(callObject(asPsJob.get(), "MetaFile", {text("m")}).get(), "DocName", {text("d")});
  EXPECT_EQ(textOf(get(asPsJob.get(), "Outpath")), "");
  EXPECT_EQ(written(outer.get()), "JOBS{JOB{METAFILE{\"m\"}DOCNAME{\"d\"}OUTPATH}}");

  // The part-server job's Factory is the meta-object factory.
  dispatchT psFactory = getObject(psJob.get(), "Factory");
  EXPECT_EQ(typeNameOf(psFactory.get()), "class prxMetaObjectFactoryC *");
  EXPECT_EQ(method(psFactory.get(), "tojob", {objectValue(psJob.get())}).outcome, 1u);
}

TEST_F(jobProxiesTest, OutFileListsAndEnumeratorsOverFormats) {
  dispatchT outFiles = callObject(ps.get(), "createObject", {text("OUTFILELIST")});
  EXPECT_EQ(intOf(get(outFiles.get(), "Count")), 0);
  callObject(callObject(outFiles.get(), "Append", {text("a")}).get(), "Append", {text("b")});
  EXPECT_EQ(written(outFiles.get()), "FILENAMES{\"a\",\"b\"}");
  EXPECT_EQ(textOf(method(outFiles.get(), "Item", {number(1)})), "b");
  for (const char* name : {"jobs", "job ", "outfilelists", ""}) expectEmptyResult(method(ps.get(), "createObject", {text(name)}));

  metaProxyTest::buildTables();
  poolBalance balance;
  {
    dispatchT job = callObject(wa.get(), "createObject", {text("JOB")});
    dispatchT formats = getObject(job.get(), "Formats");
    expectFailure(method(formats.get(), "Item", {number(0)}), "container", "out of range");
    callObject(callObject(formats.get(), "add").get(), "CadFormat", {text("first")});
    callObject(callObject(formats.get(), "add").get(), "CadFormat", {text("second")});
    EXPECT_EQ(intOf(get(formats.get(), "Count")), 2);
    dispatchT walk = callObject(formats.get(), "objEnum");
    EXPECT_EQ(typeNameOf(walk.get()), "class prxmObjEnumC<class prxmWebAssistantFmtEntryC> *");
    job.release();
    formats.release();
    EXPECT_EQ(intOf(method(walk.get(), "isValid")), 1);
    EXPECT_EQ(intOf(method(walk.get(), "nextItem")), 1);
    EXPECT_EQ(intOf(method(walk.get(), "nextItem")), 0);
    EXPECT_EQ(textOf(get(callObject(walk.get(), "getItem").get(), "CadFormat")), "second");
    EXPECT_EQ(intOf(method(walk.get(), "prevItem")), 1);
    EXPECT_EQ(textOf(get(callObject(walk.get(), "").get(), "CadFormat")), "first");
  }
  balance.expectBalanced();
}
