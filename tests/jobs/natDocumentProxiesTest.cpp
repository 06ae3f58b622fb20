// Native exchange documents as a host reaches them: documents with their identifiers, member
// documents and user data, made, converted and filled through calls by name.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "jobs/exchange/prxmNatCheckinDocumentC.h"
#include "jobs/exchange/prxmNatCheckoutDocumentC.h"
#include "jobs/exchange/prxmNatDocumentBaseC.h"
#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"

using namespace metaProxyTest;

namespace {

class natDocumentProxiesTest : public poolBalancedTest {
 protected:
  dispatchT mof = factoryOf("rudezaze.metaobjectfactory");
  dispatchT dll = factoryOf("rudezaze.mdllifacefactory");
  dispatchT nat = factoryOf("rudezaze.mNatDocFactory");

  dispatchT fromText(const char* treeText) { return callObject(mof.get(), "createFromString", {text(treeText)}); }
  dispatchT create(const char* name) { return callObject(nat.get(), "Create", {text(name)}); }
  dispatchT convert(const char* member, mzIDispatch* object) {
    return callObject(nat.get(), member, {objectValue(object)});
  }
  static dispatchT document(const char* treeText) {
    return dispatchT(new prxmNatDocumentBaseC(treeTest::parse(treeText), 1));
  }
};

}  // namespace

TEST_F(natDocumentProxiesTest, DocumentFieldsKeepValuesOfTheOtherKindAndChain) {
  dispatchT doc = document("DOCUMENT{CADIDENT{5}}");
  EXPECT_EQ(textOf(get(doc.get(), "CadIdent")), "");
  EXPECT_EQ(objectOf(put(doc.get(), "CadIdent", text("x"))).get(), doc.get());
  expectFailure(put(doc.get(), "CadIdent", number(5)), "methode:CadIdent(Para:1)", "Object call failed");
  EXPECT_EQ(written(doc.get()), "DOCUMENT{CADIDENT{5}}");

  // Every string field under its own key, in order of first use; CadFormat is CADSYSTEM.
  const struct {
    const char* member;
    const char* key;
  } fields[] = {{"DefaultNB", "DEFAULTNB"}, {"DefaultNN", "DEFAULTNN"}, {"DefaultNT", "DEFAULTNT"},
                {"DefaultLINA", "DEFAULTLINA"}, {"MIdent", "MIDENT"}, {"CadFormat", "CADSYSTEM"}};
  std::string expected = "DOCUMENT{CADIDENT{5}";
  for (const auto& field : fields) {
    EXPECT_EQ(textOf(get(doc.get(), field.member)), "") << field.member;
    EXPECT_EQ(callObject(doc.get(), field.member, {text("old")}).get(), doc.get()) << field.member;
    put(doc.get(), field.member, text(field.member));
    EXPECT_EQ(textOf(get(doc.get(), field.member)), field.member);
    expected += std::string(field.key) + "{\"" + field.member + "\"}";
  }
  EXPECT_EQ(written(doc.get()), expected + "}");

  dispatchT factory = getObject(doc.get(), "Factory");
  EXPECT_EQ(typeNameOf(factory.get()), "class prxmNatObjectFactoryC *");
  EXPECT_NE(factory.get(), getObject(doc.get(), "Factory").get());
  EXPECT_EQ(typeNameOf(doc.get()), "class prxmNatDocumentBaseC *");
}

TEST_F(natDocumentProxiesTest, MemberSetListsEveryChildAndRemovedMembersStayReadable) {
  metaProxyTest::buildTables();
  poolBalance balance;
  {
    dispatchT doc = document("DOCUMENT");
    dispatchT members = getObject(doc.get(), "MemberSet");
    EXPECT_EQ(typeNameOf(members.get()), "class prxmObjListContainerTemplateC<class prxmNatDocumentBaseC> *");
    dispatchT walk = callObject(members.get(), "objEnum");
    EXPECT_EQ(intOf(method(walk.get(), "isValid")), 0);
    dispatchT nothing = callObject(walk.get(), "getItem");
    EXPECT_EQ(intOf(get(nothing.get(), "ValidObj")), 0);
    EXPECT_EQ(intOf(method(nothing.get(), "SetUserData", {objectValue(doc.get())})), 0);
    EXPECT_EQ(textOf(get(nothing.get(), "CadIdent")), "");

    dispatchT kept = callObject(members.get(), "add", {text("DOCUMENT")});
    EXPECT_EQ(intOf(get(members.get(), "Count")), 1);
    for (int32_t bad : {1, -1}) expectFailure(method(members.get(), "Item", {number(bad)}), "container", "out of range");
    EXPECT_EQ(intOf(method(members.get(), "RemoveAt", {number(1)})), 0);
    expectFailure(method(members.get(), "add", {text("")}), "methode:add(Para:1)", "Object call failed");
    callObject(getObject(doc.get(), "MemberSet").get(), "add", {text("X")});
    EXPECT_EQ(intOf(get(members.get(), "Count")), 2);
    EXPECT_EQ(textOf(get(callObject(members.get(), "", {number(1)}).get(), "classkey")), "X");

    walk = callObject(members.get(), "objEnum");
    EXPECT_EQ(intOf(method(walk.get(), "nextItem")), 1);
    EXPECT_EQ(intOf(method(walk.get(), "nextItem")), 0);
    EXPECT_EQ(typeNameOf(callObject(walk.get(), "getItem").get()), "class prxmNatDocumentBaseC *");

    callObject(kept.get(), "CadIdent", {text("c")});
    EXPECT_EQ(written(doc.get()), "DOCUMENT{MEMBERS{DOCUMENT{CADIDENT{\"c\"}}X}}");
    EXPECT_EQ(intOf(method(members.get(), "RemoveAll")), 1);
    EXPECT_EQ(written(doc.get()), "DOCUMENT{MEMBERS}");
    EXPECT_EQ(textOf(get(kept.get(), "CadIdent")), "c");
    EXPECT_EQ(typeNameOf(walk.get()), "class prxmObjEnumC<class prxmNatDocumentBaseC> *");
    EXPECT_EQ(textOf(get(callObject(walk.get(), "").get(), "classkey")), "X");
  }
  balance.expectBalanced();
}

TEST_F(natDocumentProxiesTest, UserDataHoldsACopyOfOneObjectTakenBeforeTheBlockIsCleared) {
  metaProxyTest::buildTables();
  poolBalance balance;
  {
    dispatchT doc = create("prxmnatcheckindoc");
    dispatchT empty = callObject(doc.get(), "GetUserData");
    EXPECT_EQ(written(empty.get()), "USERDATA");
    EXPECT_EQ(typeNameOf(empty.get()), "class prxMetaObjectBaseTemplateC<class metaObjectC> *");

    dispatchT plugIn = callObject(dll.get(), "createdlliface");
    EXPECT_EQ(intOf(method(doc.get(), "SetUserData", {objectValue(plugIn.get())})), 1);
    EXPECT_EQ(written(callObject(doc.get(), "GetUserData").get()), "USERDATA{DLLIFACE}");
    EXPECT_EQ(written(empty.get()), "USERDATA{DLLIFACE}");

    // The stored object itself, then the block, then the document: each stored whole.
    dispatchT stored =
        callObject(callObject(getObject(doc.get(), "Factory").get(), "toobjectList", {objectValue(empty.get())}).get(),
                   "Item", {number(0)});
    EXPECT_EQ(intOf(method(doc.get(), "SetUserData", {objectValue(stored.get())})), 1);
    EXPECT_EQ(written(empty.get()), "USERDATA{DLLIFACE}");
    EXPECT_EQ(written(stored.get()), "DLLIFACE");
    EXPECT_EQ(intOf(method(doc.get(), "SetUserData", {objectValue(empty.get())})), 1);
    EXPECT_EQ(written(doc.get()), "DOCUMENT{USERDATA{USERDATA{DLLIFACE}}}");
    EXPECT_EQ(intOf(method(doc.get(), "SetUserData", {objectValue(doc.get())})), 1);
    EXPECT_EQ(written(doc.get()), "DOCUMENT{USERDATA{DOCUMENT{USERDATA{USERDATA{DLLIFACE}}}}}");

    // Anything but an object stores nothing.
    for (const mzVariantS& refused : {text("s"), number(5), mzVariantS()})
      EXPECT_EQ(intOf(method(doc.get(), "SetUserData", {refused})), 0);
    EXPECT_EQ(written(doc.get()), "DOCUMENT{USERDATA{DOCUMENT{USERDATA{USERDATA{DLLIFACE}}}}}");
    dispatchT bare = create("prxmnatcheckindoc");
    EXPECT_EQ(intOf(method(bare.get(), "SetUserData", {text("s")})), 0);
    EXPECT_EQ(written(bare.get()), "DOCUMENT");

    // A member stores alone, without the members that follow it.
    dispatchT members = getObject(bare.get(), "MemberSet");
    callObject(members.get(), "add", {text("DOCUMENT")});
    callObject(members.get(), "add", {text("X")});
    dispatchT first = callObject(members.get(), "Item", {number(0)});
    EXPECT_EQ(intOf(method(bare.get(), "SetUserData", {objectValue(first.get())})), 1);
    EXPECT_EQ(written(callObject(bare.get(), "GetUserData").get()), "USERDATA{DOCUMENT}");
  }
  balance.expectBalanced();
}

TEST_F(natDocumentProxiesTest, CurrentVariablesReadAndSetByKindAndAreFoundByPositionOnly) {
  dispatchT doc = create("prxmnatcheckindoc");
  dispatchT values = getObject(doc.get(), "CurrentVarSet");
  EXPECT_EQ(typeNameOf(values.get()),
            "class prxmObjListObjTypeContainerTemplateC<class prxmNatVarValueC,class pShellVarValueC> *");
  EXPECT_EQ(textOf(get(values.get(), "classkey")), "CURVARSET");
  EXPECT_EQ(intOf(get(values.get(), "Count")), 0);
  expectFailure(method(values.get(), "Item", {number(0)}), "container", "out of range");
  EXPECT_EQ(typeNameOf(getObject(values.get(), "Factory").get()), "class prxMetaObjectFactoryC *");

  dispatchT v = callObject(values.get(), "add");
  EXPECT_EQ(typeNameOf(v.get()), "class prxmNatVarValueC *");
  EXPECT_EQ(written(doc.get()), "DOCUMENT{CURVARSET{VAR}}");
  dispatchT chained = callObject(callObject(callObject(v.get(), "Name", {text("n")}).get(), "Value", {text("12.5")}).get(),
                                 "Deleted", {number(1)});
  EXPECT_EQ(chained.get(), v.get());
  EXPECT_EQ(written(doc.get()), "DOCUMENT{CURVARSET{VAR{VARNAME{\"n\"}VARVALUE{\"12.5\"}VARDELETED{1}}}}");
  expectFailure(method(v.get(), "Value", {invokeTest::doubleValue(12.5)}), "methode:Value(Para:1)", "Object call failed");
  for (const mzVariantS& refused : {text("1"), invokeTest::doubleValue(std::nan(""))})
    expectFailure(put(v.get(), "Deleted", refused), "methode:Deleted(Para:1)", "Object call failed");
  EXPECT_EQ(intOf(get(v.get(), "Deleted")), 1);
  EXPECT_EQ(textOf(get(v.get(), "classkey")), "VAR");
  EXPECT_EQ(typeNameOf(getObject(v.get(), "Factory").get()), "class prxmNatObjectFactoryC *");
  EXPECT_EQ(intOf(get(getObject(doc.get(), "CurrentVarSet").get(), "Count")), 1);

  // Stored values of another kind read as the default and stay; a child that is no VAR is
  // not counted, but a walk meets it.
  dispatchT read = convert("toCheckinDocument",
                           fromText("DOCUMENT{CURVARSET{VAR{VARDELETED{-1.9}} X VAR{VARDELETED{1e10}VARVALUE{3}}}}").get());
  dispatchT stored = getObject(read.get(), "CurrentVarSet");
  EXPECT_EQ(intOf(get(stored.get(), "Count")), 2);
  EXPECT_EQ(intOf(get(callObject(stored.get(), "Item", {number(0)}).get(), "Deleted")), -1);
  dispatchT second = callObject(stored.get(), "", {number(1)});
  EXPECT_EQ(intOf(get(second.get(), "Deleted")), 1410065408);
  EXPECT_EQ(textOf(get(second.get(), "Value")), "");
  put(second.get(), "Value", text("t"));
  EXPECT_EQ(textOf(get(second.get(), "Name")), "");
  EXPECT_EQ(written(read.get()),
            "DOCUMENT{CURVARSET{VAR{VARDELETED{-1.9}}X,VAR{VARDELETED{10000000000}VARVALUE{3}VARNAME}}}");
  dispatchT walk = callObject(stored.get(), "objEnum");
  EXPECT_EQ(typeNameOf(walk.get()), "class prxmObjEnumC<class prxmNatVarValueC> *");
  method(walk.get(), "nextItem");
  EXPECT_EQ(textOf(get(callObject(walk.get(), "getItem").get(), "classkey")), "X");
}

TEST_F(natDocumentProxiesTest, TableLinesAreValueSetsAndVariantsHoldTextsAndLists) {
  dispatchT ci = create("prxmnatcheckindoc");
  dispatchT table = getObject(ci.get(), "VarTable");
  EXPECT_EQ(typeNameOf(table.get()), "class prxmNatVarTableC *");
  dispatchT lines = getObject(table.get(), "Lines");
  EXPECT_EQ(typeNameOf(lines.get()),
            "class prxmObjListObjTypeContainerTemplateC<class prxmNatVarTableLineC,class pShellVarTabLineC> *");
  dispatchT line = callObject(lines.get(), "add");
  EXPECT_EQ(typeNameOf(line.get()), "class prxmNatVarTableLineC *");
  expectFailure(method(line.get(), "Item", {number(0)}), "container", "out of range");
  EXPECT_EQ(typeNameOf(callObject(line.get(), "add").get()), "class prxmNatVarValueC *");
  EXPECT_EQ(intOf(get(getObject(table.get(), "Lines").get(), "Count")), 1);
  EXPECT_EQ(textOf(get(line.get(), "classkey")), "VARSET");
  EXPECT_EQ(textOf(get(lines.get(), "classkey")), "VARSETTABLE");
  EXPECT_EQ(written(getObject(ci.get(), "VarTable").get()), "VARSETTABLE{VARSET{VAR}}");
  expectEmptyResult(method(getObject(line.get(), "Factory").get(), "Create", {text("prxmnatdoc")}));
  EXPECT_EQ(typeNameOf(callObject(getObject(table.get(), "Factory").get(), "Create", {text("prxmnatdoc")}).get()),
            "class prxmNatHeaderC *");

  dispatchT variants = getObject(ci.get(), "VariantList");
  dispatchT variant = callObject(variants.get(), "add");
  EXPECT_EQ(typeNameOf(variant.get()), "class prxmNatVariantC *");
  EXPECT_EQ(callObject(callObject(variant.get(), "VarName", {text("v")}).get(), "Preview3D", {text("p")}).get(),
            variant.get());
  put(variant.get(), "VarValue", text("1"));
  expectFailure(put(variant.get(), "VarValue", number(1)), "methode:VarValue(Para:1)", "Object call failed");
  for (const char* list : {"WantFileSet", "BitmapSet", "AutoCreateBitmapsFromViews"})
    callObject(getObject(variant.get(), list).get(), "Append", {text(list)});
  EXPECT_EQ(intOf(get(getObject(variant.get(), "WantFileSet").get(), "Count")), 1);
  EXPECT_EQ(written(variants.get()),
            "VARIANTS{VARIANT{VARNAME{\"v\"}PREVIEW3D{\"p\"}VARVALUE{\"1\"}WANTFILES{\"WantFileSet\"}"
            "BITMAPS{\"BitmapSet\"}PSAUTOCREATEBMPFROMVIEW{\"AutoCreateBitmapsFromViews\"}}}");
  EXPECT_EQ(textOf(get(variant.get(), "VarName")), "v");
  EXPECT_EQ(textOf(get(variants.get(), "classkey")), "VARIANTS");
  EXPECT_EQ(typeNameOf(callObject(variants.get(), "objEnum").get()), "class prxmObjEnumC<class prxmNatVariantC> *");
}

TEST_F(natDocumentProxiesTest, CheckinAndCheckoutFieldsListsAndDescriptions) {
  dispatchT ci(new prxmNatCheckinDocumentC(treeTest::parse("DOCUMENT"), 1));
  EXPECT_EQ(intOf(get(ci.get(), "Show3D")), 0);
  EXPECT_EQ(written(ci.get()), "DOCUMENT{SHOW3D}");
  for (const mzVariantS& refused : {text("1"), invokeTest::doubleValue(std::nan(""))})
    expectFailure(put(ci.get(), "Show3D", refused), "methode:Show3D(Para:1)", "Object call failed");
  expectFailure(put(ci.get(), "Preview", number(1)), "methode:Preview(Para:1)", "Object call failed");
  EXPECT_EQ(written(ci.get()), "DOCUMENT{SHOW3D}");
  EXPECT_EQ(objectOf(put(ci.get(), "Show3D", invokeTest::doubleValue(1.7))).get(), ci.get());
  EXPECT_EQ(intOf(get(ci.get(), "Show3D")), 1);

  // Texts and lists under their keys, some of which differ from the member names.
  const struct {
    const char* member;
    const char* key;
  } texts[] = {{"Preview3D", "PREVIEW3D"}, {"Preview", "PREVIEW"}, {"Extension", "EXTENSION"},
               {"DefTableFile", "DEFTABFILE"}, {"AutoCreatePreviewFromView", "PSAUTOCREATEPRVFROMVIEW"}},
    lists[] = {{"UsedFileSet", "USEDFILES"}, {"WantFileSet", "WANTFILES"}, {"BitmapSet", "BITMAPS"},
               {"ViewNamesSet", "VIEWNAMES"}, {"AutoCreateBitmapsFromViews", "PSAUTOCREATEBMPFROMVIEW"}};
  std::string expected = "DOCUMENT{SHOW3D{1}";
  for (const auto& field : texts) {
    EXPECT_EQ(callObject(ci.get(), field.member, {text(field.member)}).get(), ci.get());
    EXPECT_EQ(textOf(get(ci.get(), field.member)), field.member);
    expected += std::string(field.key) + "{\"" + field.member + "\"}";
  }
  for (const auto& list : lists) {
    callObject(getObject(ci.get(), list.member).get(), "Append", {text(list.member)});
    EXPECT_EQ(intOf(get(getObject(ci.get(), list.member).get(), "Count")), 1) << list.member;
    EXPECT_EQ(textOf(get(getObject(ci.get(), list.member).get(), "classkey")), list.key);
    expected += std::string(list.key) + "{\"" + list.member + "\"}";
  }
  EXPECT_EQ(written(ci.get()), expected + "}");
  expectFailure(put(ci.get(), "AutoCreateBitmapsFromViews", text("x")), "methode:AutoCreateBitmapsFromViews",
                "Object call failed");

  // Descriptions: the precision is a double end to end, the flags integers.
  dispatchT descriptions = getObject(ci.get(), "VarSet");
  EXPECT_EQ(typeNameOf(descriptions.get()),
            "class prxmObjListObjTypeContainerTemplateC<class prxmNatVarDescC,class pShellVarDescC> *");
  EXPECT_EQ(textOf(get(descriptions.get(), "classkey")), "VARIABLES");
  dispatchT d = callObject(descriptions.get(), "add");
  EXPECT_EQ(typeNameOf(d.get()), "class prxmNatVarDescC *");
  EXPECT_EQ(objectOf(put(d.get(), "Prec", number(3))).get(), d.get());
  invokeTest::callS precision = get(d.get(), "Prec");
  EXPECT_EQ(precision.result.type, uint32_t(mzVariantS::typeDouble));
  EXPECT_EQ(precision.result.doubleValue, 3.0);
  put(d.get(), "Prec", invokeTest::doubleValue(0.25));
  expectFailure(put(d.get(), "Prec", invokeTest::doubleValue(std::nan(""))), "methode:Prec(Para:1)", "Object call failed");
  EXPECT_EQ(get(d.get(), "Prec").result.doubleValue, 0.25);
  callObject(callObject(d.get(), "Hidden", {invokeTest::doubleValue(-1.5)}).get(), "Name", {text("n")});
  for (const char* member : {"Type", "Unit", "Desc", "TabName"}) put(d.get(), member, text(member));
  EXPECT_EQ(intOf(get(d.get(), "Hidden")), -1);
  EXPECT_EQ(written(d.get()),
            "VAR{VARPREC{0.25}VARHIDDEN{-1}VARNAME{\"n\"}VARTYPE{\"Type\"}VARUNIT{\"Unit\"}VARDESC{\"Desc\"}"
            "VARTNAME{\"TabName\"}}");
  EXPECT_EQ(intOf(get(d.get(), "Deleted")), 0);

  dispatchT co(new prxmNatCheckoutDocumentC(treeTest::parse("DOCUMENT"), 1));
  callObject(callObject(co.get(), "NormIdent", {text("n")}).get(), "PrjDir", {text("p")});
  callObject(getObject(co.get(), "WantFileSet").get(), "Append", {text("w")});
  EXPECT_EQ(written(co.get()), "DOCUMENT{NORMIDENT{\"n\"}PRJPATH{\"p\"}WANTFILES{\"w\"}}");
  EXPECT_EQ(typeNameOf(co.get()), "class prxmNatCheckoutDocumentC *");
  EXPECT_EQ(textOf(get(co.get(), "CadFormat")), "");
}

TEST_F(natDocumentProxiesTest, FactoryCreatesTestsAndConvertsRecordsByClassKey) {
  EXPECT_EQ(typeNameOf(factoryOf("RUDEZAZE.MNATDOCFACTORY").get()), "class prxmNatObjectFactoryC *");
  dispatchT h = create("PRXMNATDOC");
  EXPECT_EQ(typeNameOf(h.get()), "class prxmNatHeaderC *");
  EXPECT_EQ(written(h.get()), "CHECKINOUT");
  EXPECT_EQ(textOf(get(getObject(h.get(), "GlobalHeader").get(), "DestPrjDir")), "");
  dispatchT ci = convert("toCheckinDocument", getObject(h.get(), "RootDocument").get());
  EXPECT_EQ(typeNameOf(ci.get()), "class prxmNatCheckinDocumentC *");
  put(ci.get(), "Show3D", number(1));
  EXPECT_EQ(written(h.get()), "CHECKINOUT{HEADER{DESTPRJDIR}DOCUMENT{SHOW3D{1}}}");
  EXPECT_EQ(intOf(get(ci.get(), "Show3D")), 1);
  dispatchT second = callObject(h.get(), "RootDocument", {text("DOCUMENT")});
  EXPECT_EQ(typeNameOf(second.get()), "class prxmNatDocumentBaseC *");
  put(getObject(h.get(), "RootDocument").get(), "MIdent", text("first"));
  EXPECT_EQ(written(h.get()), "CHECKINOUT{HEADER{DESTPRJDIR}DOCUMENT{SHOW3D{1}MIDENT{\"first\"}}DOCUMENT}");
  expectFailure(method(h.get(), "RootDocument", {text("")}), "methode:RootDocument(Para:1)", "Object call failed");
  expectFailure(put(h.get(), "RootDocument", text("DOCUMENT")), "methode:RootDocument", "Object call failed");

  // Class keys; the three documents share DOCUMENT, and no test looks further.
  const struct {
    const char* member;
    const char* key;
  } keys[] = {{"keyCheckoutDocument", "DOCUMENT"}, {"keyCheckinDocument", "DOCUMENT"},
              {"keyUpgradeDocument", "DOCUMENT"}, {"keyNativeDocument", "CHECKINOUT"},
              {"keyNativeUpgradeDocument", "UPGRADE"}};
  for (const auto& key : keys) EXPECT_EQ(textOf(method(nat.get(), key.member)), key.key);
  dispatchT co = create("prxmnatcheckoutdoc");
  EXPECT_EQ(typeNameOf(co.get()), "class prxmNatCheckoutDocumentC *");
  EXPECT_EQ(intOf(method(nat.get(), "isCheckinDocument", {objectValue(co.get())})), 1);
  EXPECT_EQ(intOf(method(nat.get(), "isNativeDocument", {objectValue(co.get())})), 0);
  EXPECT_EQ(intOf(method(nat.get(), "isNativeDocument", {objectValue(h.get())})), 1);
  EXPECT_EQ(intOf(method(nat.get(), "isUpgradeDocument", {number(5)})), 0);
  expectEmptyResult(method(nat.get(), "toNativeDocument", {objectValue(co.get())}));
  expectEmptyResult(method(nat.get(), "toCheckinDocument", {number(5)}));
  expectEmptyResult(method(nat.get(), "toCheckinDocument", {objectValue(fromText("document").get())}));

  // A root converts to a copy; a nested document is shared, so both views see its lists.
  dispatchT c2 = convert("toCheckoutDocument", co.get());
  callObject(c2.get(), "NormIdent", {text("n")});
  EXPECT_EQ(written(co.get()), "DOCUMENT");
  EXPECT_EQ(written(c2.get()), "DOCUMENT{NORMIDENT{\"n\"}}");
  dispatchT sameNode = convert("toCheckoutDocument", getObject(h.get(), "RootDocument").get());
  callObject(getObject(sameNode.get(), "WantFileSet").get(), "Append", {text("w")});
  EXPECT_EQ(intOf(get(getObject(ci.get(), "WantFileSet").get(), "Count")), 1);

  // Names of the meta-object factory follow the own ones.
  EXPECT_EQ(textOf(get(create("prxmstringlist").get(), "classkey")), "STRLIST");
  expectEmptyResult(method(nat.get(), "Create", {text("nothing")}));
  expectFailure(method(nat.get(), "Create", {number(1)}), "methode:Create(Para:1)", "Object call failed");

  // The upgrade record holds an upgrade document, which has no member documents.
  dispatchT upgrade = create("prxmnatupgradedoc");
  EXPECT_EQ(typeNameOf(upgrade.get()), "class prxmNatUpgradeHeaderC *");
  EXPECT_EQ(intOf(method(nat.get(), "isNativeUpgradeDocument", {objectValue(upgrade.get())})), 1);
  dispatchT toUpgrade = getObject(upgrade.get(), "RootDocument");
  EXPECT_EQ(typeNameOf(toUpgrade.get()), "class prxmNatUpgradeDocumentC *");
  EXPECT_EQ(typeNameOf(getObject(toUpgrade.get(), "VarTable").get()), "class prxmNatVarTableC *");
  expectFailure(get(toUpgrade.get(), "MemberSet"), "methode:MemberSet", "Object call failed");
  callObject(getObject(toUpgrade.get(), "UsedFileSet").get(), "Append", {text("u")});
  callObject(getObject(toUpgrade.get(), "VariantList").get(), "add");
  put(convert("toUpgradeDocument", toUpgrade.get()).get(), "CadFormat", text("c"));
  EXPECT_EQ(written(convert("toNativeUpgradeDocument", upgrade.get()).get()),
            "UPGRADE{DOCUMENT{VARSETTABLE,USEDFILES{\"u\"}VARIANTS{VARIANT}CADSYSTEM{\"c\"}}}");
}

TEST_F(natDocumentProxiesTest, ADocumentConvertedFromARecordKeepsTheRecord) {
  metaProxyTest::buildTables();
  poolBalance balance;
  {
    dispatchT ci = convert("toCheckinDocument", getObject(create("prxmnatdoc").get(), "RootDocument").get());
    callObject(ci.get(), "CadIdent", {text("c")});
    EXPECT_EQ(written(ci.get()), "DOCUMENT{CADIDENT{\"c\"}}");
    metaTreeC* record = metaProxyTest::nodeOf(ci.get())->parent;
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(metaObjectC(record, 0).writeToStringValue(1, 0).c_str(), "CHECKINOUT{DOCUMENT{CADIDENT{\"c\"}}}");
  }
  balance.expectBalanced();
}
