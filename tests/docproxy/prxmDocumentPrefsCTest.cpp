#include "docproxy/prxmDocumentPrefsC.h"

#include <gtest/gtest.h>

#include "tests/docproxy/docProxyTestHelpers.h"
#include "tests/helpers/poolBalance.h"

using namespace docProxyTest;

TEST(prxmDocumentPrefsC, ReadsCreateTheValuesAndPutsReturnTheProxy) {
  dispatchT doc = documentOf("DOC{DRAWINGPREFS{DESIGNUNITBASE{1.5}}}");
  dispatchT prefs(new prxmDocumentPrefsC(childView(doc.get(), "DRAWINGPREFS")));
  EXPECT_EQ(textOf(get(prefs.get(), "classkey")), "DRAWINGPREFS");

  EXPECT_EQ(doubleOf(get(prefs.get(), "UnitBase")), 0.0);
  EXPECT_EQ(written(prefs.get()), "DRAWINGPREFS{DESIGNUNITBASE{1.5}UNITBASE}");
  EXPECT_EQ(doubleOf(get(prefs.get(), "DesignUnitBase")), 1.5);

  dispatchT same = objectOf(put(prefs.get(), "UnitBase", doubleValue(0.001)));
  EXPECT_EQ(same.get(), prefs.get());
  dispatchT chained = objectOf(method(same.get(), "DesignUnitBase", {number(2)}));
  EXPECT_EQ(chained.get(), prefs.get());
  EXPECT_EQ(written(doc.get()), "DOC{DRAWINGPREFS{DESIGNUNITBASE{2}UNITBASE{0.001}}}");
}

TEST(prxmDocumentPrefsC, PutsANumberInFrontOfOtherValuesAndRefusesTexts) {
  buildTables();
  poolBalance balance;
  {
    dispatchT doc = documentOf("DOC{PARTPREFS{UNITBASE{\"mm\"}}}");
    dispatchT prefs(new prxmDocumentPrefsC(childView(doc.get(), "PARTPREFS")));
    EXPECT_EQ(doubleOf(get(prefs.get(), "UnitBase")), 0.0);
    put(prefs.get(), "UnitBase", doubleValue(2.5));
    EXPECT_EQ(doubleOf(get(prefs.get(), "UnitBase")), 2.5);
    EXPECT_EQ(written(prefs.get()), "PARTPREFS{UNITBASE{2.5,\"mm\"}}");

    expectFailure(put(prefs.get(), "UnitBase", text("3")), "methode:UnitBase(Para:1)", "Object call failed");
    EXPECT_EQ(written(prefs.get()), "PARTPREFS{UNITBASE{2.5,\"mm\"}}");

    // The prefs keep the document's tree once the document is gone.
    doc.release();
    put(prefs.get(), "UnitBase", doubleValue(4));
    EXPECT_EQ(doubleOf(get(prefs.get(), "UnitBase")), 4.0);

    dispatchT empty(new prxmDocumentPrefsC(metaObjectC()));
    EXPECT_EQ(doubleOf(get(empty.get(), "DesignUnitBase")), 0.0);
    EXPECT_EQ(objectOf(put(empty.get(), "DesignUnitBase", doubleValue(1))).get(), empty.get());
  }
  balance.expectBalanced();
}
