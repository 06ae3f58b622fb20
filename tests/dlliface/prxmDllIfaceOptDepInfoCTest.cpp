// The dependencies of an option as a script reaches them: the option's Deps list, and each
// dependency's Id, StrValue and Value.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/dlliface/dllIfaceTestHelpers.h"

using namespace dllIfaceTest;

namespace {

class optionDependencyTest : public dllIfaceFixture {
 protected:
  // The option "a" of the first transfer page of a description read from text.
  dispatchT storedOption(const char* deps) {
    const std::string treeText =
        std::string("DLLIFACE{IOPAIRS{IOPAIR{OUTFMTS{OUTFMT{OPTIONS{TRANSFEROPTPAGES{OPTPAGE{ID{\"P\"}OPTITEMS{") +
        "OPTITEM{ID{\"a\"}" + deps + "}}}}}}}}}}";
    dispatchT iface = callObject(factory.get(), "todlliface", {objectValue(fromText(treeText.c_str()).get())});
    dispatchT pair = callObject(getObject(iface.get(), "IOPairs").get(), "Item", {number(0)});
    dispatchT format = callObject(getObject(pair.get(), "OutParams").get(), "Item", {number(0)});
    dispatchT page = callObject(getObject(format.get(), "TransferOptions").get(), "findPage", {text("P")});
    return callObject(page.get(), "getOption", {text("a")});
  }
};

}  // namespace

TEST_F(optionDependencyTest, DependenciesOfANewOptionKeepTheKindOfTheirFirstValue) {
  dispatchT pages = getObject(newOutputFormat().get(), "TransferOptions");
  dispatchT page = callObject(pages.get(), "addPage", {text("P"), text("d")});
  dispatchT option = callObject(page.get(), "addIntOption", {text("g"), text("a"), text("A"), number(1)});
  dispatchT deps = getObject(option.get(), "Deps");
  EXPECT_EQ(intOf(get(deps.get(), "Count")), 0);
  EXPECT_EQ(written(option.get()), "OPTITEM{ID{\"a\"}DESC{\"A\"}GROUP{\"g\"}TYP{\"int\"}VAL{1}DEPS}");
  expectFailure(method(deps.get(), "Item", {number(0)}), "container", "out of range");

  // A new dependency holds nothing; reads add the empty field they read.
  dispatchT fresh = callObject(deps.get(), "add");
  EXPECT_EQ(typeNameOf(fresh.get()), "class prxmDllIfaceOptDepInfoC *");
  EXPECT_EQ(written(fresh.get()), "DEP");
  EXPECT_EQ(textOf(get(fresh.get(), "Id")), "");
  EXPECT_EQ(doubleOf(get(fresh.get(), "Value")), 0.0);
  EXPECT_EQ(written(fresh.get()), "DEP{ID,VAL}");
  EXPECT_EQ(textOf(get(fresh.get(), "classkey")), "DEP");
  EXPECT_EQ(typeNameOf(getObject(fresh.get(), "Factory").get()), "class prxDllIfaceFactoryC *");

  // Each write by the put and by the method of the name; the second kind written is ignored.
  const struct {
    const char* first;
    mzVariantS firstValue;
    const char* second;
    mzVariantS secondValue;
    const char* stored;
    const char* strValue;
    double value;
  } orders[] = {
      {"StrValue", text("on"), "Value", doubleValue(2.5), "DEP{ID{\"x\"}VAL{\"on\"}}", "on", 0.0},
      {"Value", number(3), "StrValue", text("on"), "DEP{ID{\"x\"}VAL{3}}", "", 3.0},
      {"Value", doubleValue(-1.5), "Value", doubleValue(4), "DEP{ID{\"x\"}VAL{4}}", "", 4.0},
  };
  for (const bool byMethod : {false, true})
    for (const auto& order : orders) {
      SCOPED_TRACE(std::string(order.first) + " then " + order.second + (byMethod ? " by method" : " by put"));
      dispatchT dep = callObject(deps.get(), "add");
      // A write answers the dependency itself, so writes chain.
      dispatchT same = byMethod ? callObject(dep.get(), "Id", {text("x")}) : objectOf(put(dep.get(), "Id", text("x")));
      EXPECT_EQ(same.get(), dep.get());
      dispatchT first = byMethod ? callObject(same.get(), order.first, {order.firstValue})
                                 : objectOf(put(same.get(), order.first, order.firstValue));
      EXPECT_EQ(first.get(), dep.get());
      dispatchT second = byMethod ? callObject(first.get(), order.second, {order.secondValue})
                                  : objectOf(put(first.get(), order.second, order.secondValue));
      EXPECT_EQ(second.get(), dep.get());
      EXPECT_EQ(written(dep.get()), order.stored);
      EXPECT_EQ(textOf(get(dep.get(), "StrValue")), order.strValue);
      EXPECT_EQ(doubleOf(get(dep.get(), "Value")), order.value);
      EXPECT_EQ(textOf(get(dep.get(), "Id")), "x");
    }
  EXPECT_EQ(intOf(get(deps.get(), "Count")), 7);

  // Arguments of the wrong kind, or numbers not finite, fail and leave the dependency.
  dispatchT kept = callObject(deps.get(), "Item", {number(1)});
  const std::string before = written(option.get());
  const struct {
    const char* name;
    mzVariantS value;
  } refused[] = {{"Id", number(5)},     {"StrValue", doubleValue(1.5)}, {"Value", text("2")},
                 {"Value", doubleValue(NAN)}, {"Value", doubleValue(INFINITY)}, {"Id", objectValue(option.get())}};
  for (const auto& bad : refused) {
    expectFailure(put(kept.get(), bad.name, bad.value), (std::string("methode:") + bad.name + "(Para:1)").c_str());
    expectFailure(method(kept.get(), bad.name, {bad.value}), (std::string("methode:") + bad.name + "(Para:1)").c_str());
  }
  expectFailure(method(kept.get(), "Value", {number(1), number(2)}), "methode:Value");
  EXPECT_EQ(written(option.get()), before);

  for (const int32_t index : {7, -1, 1 << 30})
    expectFailure(method(deps.get(), "Item", {number(index)}), "container", "out of range");
  expectFailure(method(deps.get(), "Item", {text("x")}), "methode:Item(Para:1)");
}

TEST_F(optionDependencyTest, StoredDependenciesAreListedByKeyWordAndWalkedWhole) {
  dispatchT option = storedOption("DEPS{NOTE{ID{\"n\"}},DEP{ID{\"d\"},VAL{\"on\"}},DEP{ID{\"e\"},VAL{2,\"x\"}}}");
  dispatchT deps = getObject(option.get(), "Deps");
  EXPECT_EQ(intOf(get(deps.get(), "Count")), 2);
  dispatchT d = callObject(deps.get(), "Item", {number(0)});
  EXPECT_EQ(textOf(get(d.get(), "Id")), "d");
  EXPECT_EQ(textOf(get(d.get(), "StrValue")), "on");
  EXPECT_EQ(doubleOf(get(d.get(), "Value")), 0.0);
  dispatchT e = callObject(deps.get(), "", {number(1)});
  EXPECT_EQ(doubleOf(get(e.get(), "Value")), 2.0);
  EXPECT_EQ(textOf(get(e.get(), "StrValue")), "");
  // Only the first value counts: it is overwritten, the others stay.
  put(e.get(), "Value", number(5));
  EXPECT_EQ(written(e.get()), "DEP{ID{\"e\"}VAL{5,\"x\"}}");
  expectFailure(method(deps.get(), "Item", {number(2)}), "container", "out of range");

  // The walk visits every child of the list, the one that is no dependency too.
  dispatchT walk = callObject(deps.get(), "objEnum");
  ASSERT_TRUE(walk);
  EXPECT_EQ(textOf(get(callObject(walk.get(), "getItem").get(), "Id")), "n");
  int visited = 1;
  while (intOf(method(walk.get(), "nextItem")) == 1) ++visited;
  EXPECT_EQ(visited, 3);
  EXPECT_EQ(textOf(get(callObject(walk.get(), "getItem").get(), "Id")), "e");

  // The list outlives the description and everything on the way to it.
  metaProxyTest::buildTables();
  poolBalance balance;
  {
    dispatchT alone = getObject(storedOption("DEPS{DEP{ID{\"d\"}}}").get(), "Deps");
    EXPECT_EQ(textOf(get(callObject(alone.get(), "Item", {number(0)}).get(), "Id")), "d");
    EXPECT_EQ(written(callObject(alone.get(), "add").get()), "DEP");
    EXPECT_EQ(written(alone.get()), "DEPS{DEP{ID{\"d\"}}DEP}");
  }
  balance.expectBalanced();
}
