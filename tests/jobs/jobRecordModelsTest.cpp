#include <gtest/gtest.h>

#include <string>

#include "core/metaTreeC.h"
#include "jobs/webassistant/mAssistantJobC.h"
#include "jobs/webassistant/mAssistantListFileC.h"
#include "jobs/partserver/mPSJobC.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::compact;
using treeTest::parse;

TEST(jobRecordModels, WebAssistantJobFieldsListsAndValueKinds) {
  mAssistantJobC job = mAssistantJobC::create(1);
  EXPECT_TRUE(job.ownsNode());
  EXPECT_EQ(compact(job), "JOB");
  job.setDocName("d");
  job.setOutpath("o");
  mAssistantFMTListC formats = job.getFormats();
  mAssistantFMTListEntryC format = formats.append();
  EXPECT_FALSE(format.ownsNode());
  format.setFormatId(7);
  EXPECT_EQ(compact(job), "JOB{DOCNAME{\"d\"}OUTPATH{\"o\"}FORMATS{FORMAT{FORMATID{7}}}}");
  EXPECT_EQ(format.getFormatId(), 7);
  EXPECT_STREQ(job.getAssistantData().c_str(), "");  // a read adds the empty field
  job.setAssistantData("a");
  format.setCadFormat("c");
  format.setVersion("v");
  mAssistantViewListEntryC view = format.getViews().append();
  view.setViewId(-3);
  view.setViewNo(2);
  view.setViewName("n");
  view.getFileNames().appendStringChild("f1").appendStringChild("f2");
  view.setErrMsg("e");
  EXPECT_EQ(compact(job),
            "JOB{DOCNAME{\"d\"}OUTPATH{\"o\"}FORMATS{FORMAT{FORMATID{7}CADFORMAT{\"c\"}VERSION{\"v\"}VIEWS{VIEW{VIEWID{-3}"
            "VIEWNO{2}VIEWNAME{\"n\"}FILENAMES{\"f1\",\"f2\"}ERRMSG{\"e\"}}}}}ASSISTANTDATA{\"a\"}}");
  EXPECT_EQ(formats.getCount(), 1u);
  EXPECT_EQ(format.getViews().getItem(0).getViewId(), -3);
  EXPECT_EQ(format.getViews().getItem(0).getViewNo(), 2);
  EXPECT_STREQ(format.getViews().getItem(0).getFileNames().getItem(1).c_str(), "f2");
  EXPECT_FALSE(formats.getItem(1).isValid());

  // Values of the other kind read empty and are left by a set; only FORMAT and VIEW are items.
  mAssistantJobC read(parse("JOB{FORMATS{X FORMAT{FORMATID{\"7\"} VERSION{3}} FORMAT{FORMATID{2.9} VIEWS{VIEW{VIEWNO{-1.5}}}}}}"),
                      1);
  mAssistantFMTListC list = read.getFormats();
  EXPECT_EQ(list.getCount(), 2u);
  mAssistantFMTListEntryC textId = list.getItem(0);
  EXPECT_EQ(textId.getFormatId(), 0);
  textId.setFormatId(5);
  textId.setVersion("x");
  EXPECT_STREQ(textId.getVersion().c_str(), "");
  EXPECT_EQ(list.getItem(1).getFormatId(), 2);
  EXPECT_EQ(list.getItem(1).getViews().getItem(0).getViewNo(), -1);
  EXPECT_EQ(compact(read), "JOB{FORMATS{X,FORMAT{FORMATID{\"7\"}VERSION{3}}FORMAT{FORMATID{2.9}VIEWS{VIEW{VIEWNO{-1.5}}}}}}");

  // Over nothing every read is empty and nothing is made.
  mAssistantJobC none;
  EXPECT_STREQ(none.getOutpath().c_str(), "");
  EXPECT_EQ(none.getFormats().getCount(), 0u);
  EXPECT_FALSE(none.getFormats().append().isValid());
  EXPECT_EQ(mAssistantViewListEntryC().getFileNames().getCount(), 0u);
}

TEST(jobRecordModels, PartServerJobSharesTheRootWordWithTheWebAssistantJob) {
  mPSJobC job = mPSJobC::create(0);
  EXPECT_FALSE(job.ownsNode());
  mPSJobC owner(job.getNode(), 1);
  EXPECT_STREQ(job.getDocName().c_str(), "");
  job.setOutpath("o");
  job.setMetaFile("m");
  EXPECT_EQ(compact(job), "JOB{DOCNAME,OUTPATH{\"o\"}METAFILE{\"m\"}}");

  // Either view reads and writes the other's fields.
  mAssistantJobC asWebJob(job.getNode(), 0);
  EXPECT_STREQ(asWebJob.getOutpath().c_str(), "o");
  asWebJob.setDocName("d");
  EXPECT_STREQ(job.getDocName().c_str(), "d");
  EXPECT_STREQ(job.getMetaFile().c_str(), "m");
  EXPECT_STREQ(mAssistantJobC::classKey, mPSJobC::classKey);
}

TEST(jobRecordModels, ListFileChildrenInOrderOfFirstUse) {
  mAssistantListFileC list = mAssistantListFileC::create(1);
  EXPECT_EQ(compact(list), "LIST");
  list.getErrorMsg();
  list.getFormats();
  EXPECT_EQ(compact(list), "LIST{ERRORMSG,FORMATS}");

  mAssistantListFileIdentC ident = list.getIdent();
  EXPECT_STREQ(ident.getNB().c_str(), "");
  EXPECT_EQ(compact(list), "LIST{ERRORMSG,FORMATS,IDENT{NB}}");
  ident.setNN("n");
  ident.setNB("b");
  EXPECT_STREQ(list.getIdent().getNN().c_str(), "n");
  metaObjListStrContainerC custom = list.getCustomMsg();
  EXPECT_EQ(custom.getCount(), 0u);
  custom.appendStringChild("c1").appendStringChild("c2");
  EXPECT_EQ(list.getCustomMsg().getCount(), 2u);
  EXPECT_STREQ(list.getCustomMsg().getItem(0).c_str(), "c1");
  list.getAssPartnames().appendStringChild("p");
  list.getFormats().append().getViews().append().setViewName("v");
  EXPECT_EQ(compact(list),
            "LIST{ERRORMSG,FORMATS{FORMAT{VIEWS{VIEW{VIEWNAME{\"v\"}}}}}IDENT{NB{\"b\"}NN{\"n\"}}CUSTOMMSG{\"c1\",\"c2\"}"
            "ASSPARTNAMES{\"p\"}}");

  mAssistantListFileC read(parse("LIST{IDENT{NB{1}}}"), 1);
  read.getIdent().setNB("x");
  EXPECT_STREQ(read.getIdent().getNB().c_str(), "");
  EXPECT_EQ(compact(read), "LIST{IDENT{NB{1}}}");
}
