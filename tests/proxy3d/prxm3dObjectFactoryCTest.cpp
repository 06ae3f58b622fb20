#include "proxy3d/prxm3dObjectFactoryC.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/proxy3d/modelScript.h"

using namespace modelScript;

class m3dFactoryScript : public poolBalancedTest {};

TEST_F(m3dFactoryScript, KeysTestsConversionsAndCreationByName) {
  scriptC s;
  struct keyS {
    const char* name;
    const char* key;
  };
  for (const keyS& k : {keyS{"asm", "ASSEMBLY"}, {"part", "PART"}, {"line2d", "LINE"}, {"circle2d", "CIRCLE"},
                        {"arc2d", "ARC"}, {"loop", "LOOP"}, {"plane", "PLANE"}, {"sketch", "SKETCH"},
                        {"base", "BASE"}, {"cut", "CUT"}, {"body", "BODY"}, {"foreign", "FOEFEAT"},
                        {"pattern", "FEATPATTERN"}}) {
    EXPECT_EQ(textOf(method(s.factory.get(), ("key" + std::string(k.name)).c_str())), k.key);
    dispatchT source = s.read(k.key);
    EXPECT_EQ(integer(s.factory, ("is" + std::string(k.name)).c_str(), {objectValue(source)}), 1) << k.name;
    EXPECT_EQ(integer(s.factory, ("is" + std::string(k.name)).c_str(), {number(5)}), 0) << k.name;
  }
  for (const char* conversion : {"toasm", "topart", "toline2d", "tocircle2d", "toarc2d"})
    expectEmptyResult(method(s.factory.get(), conversion, {number(5)}));
  EXPECT_EQ(typeNameOf(s.make("toline2d", "LINE")), "class prxmLine2dC *");

  EXPECT_EQ(compact(method(s.factory, "Create", {text("PrXm3dAsM")})), "ASSEMBLY");
  EXPECT_EQ(typeNameOf(method(s.factory, "Create", {text("prxm3dpart")})), "class prxm3dPartC *");
  dispatchT empty = method(s.factory, "Create", {text("prxm3ddocument")});
  EXPECT_EQ(integer(empty, "ValidObj"), 0);
  EXPECT_EQ(integer(empty, "AdjustDocumentUnitBase", {doubleValue(2.0)}), 1);
  EXPECT_EQ(put(empty, "Name", text("n")).get(), empty.get());
  EXPECT_EQ(textOf(empty, "Name"), "");
  EXPECT_EQ(integer(empty, "SplitFeaturePatterns", {number(1)}), 1);
  expectEmptyResult(method(s.factory.get(), "Create", {text("nosuch")}));
  EXPECT_EQ(textOf(method(s.factory, "Create", {text("prxmstringlist")}), "classkey"), "STRLIST");
  expectFailure(method(s.factory.get(), "Create", {doubleValue(1.5)}), "methode:Create(Para:1)");
}

TEST_F(m3dFactoryScript, ConversionsShareNodesInsideATreeAndCopyARoot) {
  scriptC s;
  dispatchT tree = s.read(R"(ASSEMBLY{NAME{"A"},MEMBER{PART{NAME{"p"}}}})");
  dispatchT a = s.to("toasm", tree);
  dispatchT d = get(item(get(a, "Members"), 0), "Document");
  put(a, "Name", text("B"));
  EXPECT_EQ(compact(tree), R"(ASSEMBLY{NAME{"A"}MEMBER{PART{NAME{"p"}}}})");
  put(s.to("topart", d), "Name", text("q"));
  EXPECT_EQ(compact(a), R"(ASSEMBLY{NAME{"B"}MEMBER{PART{NAME{"q"}}}})");
  expectEmptyResult(method(s.factory.get(), "toasm", {objectValue(d)}));
  EXPECT_EQ(integer(s.factory, "ispart", {objectValue(d)}), 1);
  expectFailure(call(a, "Name", mzInvokePropertyPut, {number(5)}), "methode:Name(Para:1)");

  EXPECT_EQ(textOf(method(get(a, "Factory").get(), "keyasm")), "ASSEMBLY");
  EXPECT_EQ(typeNameOf(get(a, "Factory")), "class prxm3dObjectFactoryC *");
  EXPECT_EQ(method(get(get(a, "Members"), "Factory").get(), "keyasm").outcome, 1u);
  EXPECT_EQ(intOf(get(get(a, "AsmAttr").get(), "ExcludeFromBom")), 0);
  const std::string written = compact(a);
  EXPECT_EQ(written.rfind(R"(ASSEMBLY{NAME{"B"}MEMBER{PART{NAME{"q"}}}ASMATTR{MOCRC{)", 0), 0u) << written;
  EXPECT_EQ(written.substr(written.size() - 14), "}EXCLFROMBOM}}");

  // Puts chain and store numbers; splits without sub-documents leave an assembly as it is.
  dispatchT attributes = get(a, "AsmAttr");
  EXPECT_EQ(put(attributes, "ExcludeFromBom", doubleValue(1.9)).get(), attributes.get());
  EXPECT_EQ(integer(attributes, "ExcludeFromBom"), 1);
  expectFailure(call(attributes, "ExcludeFromBom", mzInvokePropertyPut, {doubleValue(std::nan(""))}),
                "methode:ExcludeFromBom(Para:1)");
  method(method(a, "NamePrefix"), "Append", {text("pre")});
  const std::string before = compact(a);
  for (const char* split : {"SplitFeaturePatterns", "SplitDoubleSideFeatures"})
    EXPECT_EQ(integer(a, split, {number(0)}), 1) << split;
  EXPECT_EQ(compact(a), before);
  EXPECT_EQ(intOf(method(a.get(), "SplitMultipleSweeps")), 1);
  EXPECT_NE(before.find(R"(EXCLFROMBOM{1}DOCNAMEPRE{"pre"})"), std::string::npos) << before;
}
