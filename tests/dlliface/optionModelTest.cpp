// The option model over trees read from text: lookups by ID, page lists, the base-type tests,
// queries by group, value lists and the tree comparison.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/metaObjListValContainerT.h"
#include "core/metaTreeC.h"
#include "dlliface/isTreeEqual.h"
#include "dlliface/mDllIfaceOptPageListC.h"
#include "dlliface/optionValueFillers.h"
#include "tests/core/treeTestHelpers.h"

namespace {

// A tree read from text, owned, and its compact text.
struct treeS {
  metaObjectC root;
  explicit treeS(const char* text) : root(treeTest::parse(text), 1) {}
  metaTreeC* node() const { return root.getNode(); }
  std::string text() const { return std::string(root.writeToStringValue(1, 0).c_str()); }
};

std::vector<std::string> texts(const pageMemT<str, 3>& list) {
  std::vector<std::string> all;
  for (uint32_t i = 0; i < list.elementCount; ++i) all.emplace_back(list[i].c_str());
  return all;
}

using textsT = std::vector<std::string>;

}  // namespace

TEST(optionModelTest, PageListsFindEveryChildByIdAndRefuseUnnamedPages) {
  treeS tree("L{OPTPAGE{ID{\"a\"}DESC{\"1\"}}OPTPAGE{ID{\"a\"}DESC{\"2\"}}X{ID{\"x\"}}OPTPAGE}");
  mDllIfaceOptPageListC list(tree.node(), 0);
  EXPECT_EQ(list.findPage("a").getDesc(), "1");
  EXPECT_FALSE(list.hasPage("A"));
  EXPECT_TRUE(list.hasPage("x"));
  EXPECT_EQ(list.getCount(), 3u);
  EXPECT_EQ(tree.text(), "L{OPTPAGE{ID{\"a\"}DESC{\"1\"}}OPTPAGE{ID{\"a\"}DESC{\"2\"}}X{ID{\"x\"}}OPTPAGE{ID}}");
  EXPECT_TRUE(list.hasPage(""));
  EXPECT_TRUE(list.delPage("a"));
  EXPECT_EQ(list.findPage("a").getDesc(), "2");
  EXPECT_EQ(list.findOrAddPage("a", "new").getDesc(), "2");
  EXPECT_EQ(list.findOrAddPage("b", "new").getDesc(), "new");

  treeS pages("P{OPTPAGE{DESC{\"no id\"}}OPTPAGE{ID{\"a\"}}OPTPAGE{ID{\"c\"}OPTITEMS{OPTITEM{ID{\"o\"}TYP{\"int\"}VAL{3}}}}}");
  mDllIfaceOptionPageC unnamed(pages.node()->firstChild, 0);
  EXPECT_FALSE(list.addPageIfMissing(unnamed));
  EXPECT_FALSE(list.mergeWithPage(unnamed));
  EXPECT_FALSE(list.updatePage(unnamed));
  EXPECT_FALSE(list.updatePageInList(unnamed));
  EXPECT_EQ(pages.text(), "P{OPTPAGE{DESC{\"no id\"}}OPTPAGE{ID{\"a\"}}OPTPAGE{ID{\"c\"}OPTITEMS{OPTITEM{ID{\"o\"}TYP{\"int\"}VAL{3}}}}}");
  mDllIfaceOptPageListC others(pages.node(), 0);
  EXPECT_TRUE(list.addPagesIfMissing(others));
  EXPECT_EQ(tree.text(),
            "L{OPTPAGE{ID{\"a\"}DESC{\"2\"}}X{ID{\"x\"}}OPTPAGE{ID}OPTPAGE{ID{\"b\"}DESC{\"new\"}}"
            "OPTPAGE{ID{\"c\"}OPTITEMS{OPTITEM{ID{\"o\"}TYP{\"int\"}VAL{3}}}}}");

  // The update writes into the page given; the update in the list into the list's page.
  treeS newer("OPTPAGE{ID{\"c\"}OPTITEMS{OPTITEM{ID{\"o\"}TYP{\"int\"}VAL{7,8}}OPTITEM{ID{\"n\"}VAL{1}}}}");
  mDllIfaceOptionPageC page(newer.node(), 0);
  EXPECT_TRUE(list.updatePage(page));
  EXPECT_EQ(page.getOption("o").getValues().getCount(), 1u);
  EXPECT_TRUE(list.updatePageInList(page));
  EXPECT_EQ(list.findPage("c").getOption("o").getValues().getCount(), 1u);
  newer.root.getNode()->firstChild->next->firstChild->firstChild->next->next->firstChild->value.setDouble(nullptr, 9);
  EXPECT_TRUE(list.updatePageInList(page));
  EXPECT_EQ(list.findPage("c").getOption("o").getValue(), 9.0);
  EXPECT_FALSE(list.findPage("c").hasOption("n"));
  mDllIfaceOptPageListC none;
  EXPECT_FALSE(list.updatePages(none));
  EXPECT_FALSE(list.addPagesIfMissing(none));
  EXPECT_TRUE(list.mergeWithPages(none));
  EXPECT_TRUE(none.addPagesIfMissing(others));
  EXPECT_FALSE(none.hasPage("a"));
}

TEST(optionModelTest, PagesMergeByIdKeepWhatTheyHaveAndTestTypes) {
  treeS tree(
      "OPTPAGE{ID{\"t\"}OPTTYPES{OPTTYPE{ID{\"S\"}TYP{\"strsel\"}}OPTTYPE{ID{\"N\"}TYP{\"S\"}}}"
      "OPTITEMS{OPTITEM{ID{\"a\"}GROUP{\"A\"}TYP{\"S\"}}OPTITEM{ID{\"b\"}GROUP{\"B\"}TYP{\"N\"}}"
      "OPTITEM{ID{\"c\"}GROUP{\"A\"}TYP{\"Str\"}}OPTITEM{ID{\"d\"}TYP{\"dir\"}}OPTITEM{ID{\"a\"}GROUP{\"B\"}}}"
      "OPTGROUPS{OPTGROUP{ID{\"G\"}}OPTGROUP{ID{\"G\"}DESC{\"second\"}}}}");
  mDllIfaceOptionPageC page(tree.node(), 0);
  const struct {
    const char* id;
    bool isString;
  } options[] = {{"a", true}, {"b", false}, {"c", false}, {"d", true}, {"missing", false}};
  for (const auto& each : options) EXPECT_EQ(page.isStringOption(each.id), each.isString) << each.id;
  EXPECT_FALSE(page.getOption("c").isBaseType());
  EXPECT_EQ(texts(page.getOptionGroupNames()), (textsT{"A", "B", ""}));
  EXPECT_EQ(texts(page.getOptionIds()), (textsT{"a", "b", "c", "d"}));
  EXPECT_EQ(texts(page.getOptionIdsOfGroup("B")), (textsT{"b", "a"}));
  pageMemT<mDllIfaceOptItemC, 3> ofA = page.getOptionsOfGroup("A");
  ASSERT_EQ(ofA.elementCount, 2u);
  EXPECT_EQ(ofA[1].getId(), "c");

  treeS other(
      "OPTPAGE{ID{\"o\"}DESC{\"other\"}OPTITEMS{OPTITEM{ID{\"a\"}TYP{\"int\"}VAL{5}}OPTITEM{ID{\"e\"}VAL{1}}"
      "OPTITEM{ID{\"e\"}VAL{2}}X{ID{\"x\"}}}OPTGROUPS{OPTGROUP{ID{\"H\"}}}}");
  mDllIfaceOptionPageC source(other.node(), 0);
  mDllIfaceOptionPageC copy = page.createMergedCopy(source);
  const std::string before = tree.text();
  page.mergeWithPage(source);
  EXPECT_EQ(tree.text(), copy.writeToStringValue(1, 0).c_str());
  EXPECT_NE(before, tree.text());
  EXPECT_EQ(page.getOption("a").getTyp(), "S");
  EXPECT_EQ(page.getOption("e").getValue(), 1.0);
  EXPECT_FALSE(page.hasOption("x"));
  EXPECT_EQ(page.getId(), "t");
  EXPECT_TRUE(page.hasGroup("H"));

  EXPECT_TRUE(page.delGroup("G"));
  EXPECT_EQ(page.getGroup("G").getDesc(), "second");
  EXPECT_TRUE(page.delType("S"));
  EXPECT_FALSE(page.delType("S"));
  EXPECT_FALSE(page.isStringOption("a"));

  treeS numbered("OPTPAGE{ID{1}}");
  mDllIfaceOptionPageC withNumber(numbered.node(), 0);
  withNumber.setId("x");
  withNumber.setDesc("d");
  EXPECT_EQ(numbered.text(), "OPTPAGE{ID{1}DESC{\"d\"}}");
  mDllIfaceOptionPageC().setFrom(withNumber);
  withNumber.setFrom(page);
  EXPECT_EQ(withNumber.getId(), "t");
  EXPECT_EQ(withNumber.getKeyword(), "OPTPAGE");
}

TEST(optionModelTest, ValueListsAndDependenciesWorkOnTheirNodes) {
  treeS tree("VAL{1,\"s\",WORD}");
  metaObjListValContainerT<double> values(tree.node(), 0);
  uint32_t found = 9;
  EXPECT_EQ(values.getAt(0, &found), 1.0);
  EXPECT_EQ(found, 1u);
  EXPECT_EQ(values.getAt(1, &found), 0.0);
  EXPECT_EQ(found, 0u);
  values.setAt(2, 2.5, &found);
  EXPECT_EQ(found, 1u);
  values.setAt(-1, 3.0, &found);
  EXPECT_EQ(found, 0u);
  values.append(4.0);
  EXPECT_EQ(tree.text(), "VAL{1,\"s\",2.5,4}");
  metaObjListValContainerT<double>().append(1.0);

  const int32_t integers[] = {3, -2};
  setIntValues(tree.root, 2, integers);
  EXPECT_EQ(tree.text(), "VAL{3,-2}");
  const double doubles[] = {0.5};
  setDblValues(tree.root, 1, doubles);
  EXPECT_EQ(tree.text(), "VAL{0.5}");
  const char* const strings[] = {"a", nullptr};
  setStrValues(tree.root, 2, strings);
  EXPECT_EQ(tree.text(), "VAL{\"a\",\"\"}");
  setStrValues(tree.root, 0, strings);
  EXPECT_EQ(tree.text(), "VAL");

  treeS deps("DEPS{X{ID{\"x\"}}DEP{ID{\"d\"}}}");
  mDllIfaceOptDepListC list(deps.node(), 0);
  EXPECT_EQ(list.getCount(), 1u);
  EXPECT_TRUE(list.hasDep("x"));
  EXPECT_EQ(list.addDep("d").getNode(), deps.node()->firstChild->next);
  list.addDep("n").setValue(2);
  EXPECT_EQ(deps.text(), "DEPS{X{ID{\"x\"}}DEP{ID{\"d\"}}DEP{ID{\"n\"}VAL{2}}}");
}

TEST(optionModelTest, TreeEqualityComparesWholeListsAndTreesOfAnyDepth) {
  auto longList = [](int count, double last) {
    std::vector<double> numbers(size_t(count), 0.5);
    numbers.back() = last;
    metaObjListValContainerT<double> list(metaTreeC::newWithKeyword("VAL"), 1);
    list.setValues(numbers.data(), uint32_t(count));
    return metaObjectC(list.clone(1, 0), 1);
  };
  metaObjectC a = longList(100000, 1.0), b = longList(100000, 1.0), c = longList(100000, 2.0);
  EXPECT_TRUE(isTreeEqual(a.getNode()->firstChild, b.getNode()->firstChild));
  EXPECT_FALSE(isTreeEqual(a.getNode()->firstChild, c.getNode()->firstChild));
  metaObjListValContainerT<double>(b.getNode(), 0).append(1.0);
  EXPECT_FALSE(isTreeEqual(a.getNode()->firstChild, b.getNode()->firstChild));
  EXPECT_TRUE(isTreeEqual(nullptr, nullptr));
  EXPECT_FALSE(isTreeEqual(a.getNode(), nullptr));

  auto deep = [](int depth, const char* bottom) {
    metaTreeC* root = metaTreeC::newWithKeyword("D");
    metaTreeC* node = root;
    for (int i = 0; i < depth; ++i) node = metaTreeC::appendWordChild(node, "D");
    metaTreeC::appendStringChild(node, bottom);
    return metaObjectC(root, 1);
  };
  metaObjectC d1 = deep(200000, "x"), d2 = deep(200000, "x"), d3 = deep(200000, "y");
  EXPECT_TRUE(isTreeEqual(d1.getNode(), d2.getNode()));
  EXPECT_FALSE(isTreeEqual(d1.getNode(), d3.getNode()));
  EXPECT_TRUE(isTreeEqual(treeS("A{B{1,\"s\"}C},D").node(), treeS("A{B{1,\"s\"}C},D").node()));
  EXPECT_FALSE(isTreeEqual(treeS("A{B{1}C},D").node(), treeS("A{B{1}C},E").node()));
}
