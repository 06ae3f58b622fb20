#include "core/metaTokenC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(metaTokenC, ConstructorsTakeOnlyFittingKinds) {
  const int position[2] = {7, 3};
  metaTokenC word(metaTokenC::kindWord, position, str("KEY"));
  EXPECT_EQ(word.getKind(), uint32_t(metaTokenC::kindWord));
  EXPECT_STREQ(word.getText()->c_str(), "KEY");
  EXPECT_EQ(word.getPosition()[0], 7);
  EXPECT_EQ(word.getPosition()[1], 3);
  EXPECT_EQ(metaTokenC(metaTokenC::kindDouble, position, str("x")).getKind(), uint32_t(metaTokenC::kindNone));
  EXPECT_EQ(metaTokenC(metaTokenC::kindWord, position, 2.5).getKind(), uint32_t(metaTokenC::kindNone));
  metaTokenC fromInt(metaTokenC::kindDouble, nullptr, 4);
  EXPECT_EQ(fromInt.getKind(), uint32_t(metaTokenC::kindDouble));
  EXPECT_EQ(fromInt.getDouble(), 4.0);
  EXPECT_EQ(fromInt.getPosition()[0], -1);
}

TEST(metaTokenC, EqualityIgnoresPositionsButNotKinds) {
  const int here[2] = {1, 0}, there[2] = {9, 9};
  EXPECT_NE(metaTokenC(metaTokenC::kindWord, here, str("A")), metaTokenC(metaTokenC::kindString, here, str("A")));
  EXPECT_EQ(metaTokenC(metaTokenC::kindWord, here, str("A")), metaTokenC(metaTokenC::kindWord, there, str("A")));
  EXPECT_NE(metaTokenC(metaTokenC::kindWord, here, str("A")), metaTokenC(metaTokenC::kindWord, here, str("AB")));
  EXPECT_EQ(metaTokenC(metaTokenC::kindDouble, here, 1), metaTokenC(metaTokenC::kindDouble, there, 1.0));
  EXPECT_NE(metaTokenC(metaTokenC::kindDouble, here, std::nan("")), metaTokenC(metaTokenC::kindDouble, here, std::nan("")));
  EXPECT_EQ(metaTokenC(metaTokenC::kindInteger, here, 3), metaTokenC(metaTokenC::kindInteger, here, 3));
  EXPECT_NE(metaTokenC(metaTokenC::kindInteger, here, 3), metaTokenC(metaTokenC::kindInteger2, here, 3));
  EXPECT_NE(metaTokenC(), metaTokenC());
  EXPECT_EQ(metaTokenC(metaTokenC::kindString, here, str()), metaTokenC(metaTokenC::kindString, here, str("")));
}

TEST(metaTokenC, SettersReplaceInPlaceAndCopiesOwnTheirText) {
  const int position[2] = {2, 0};
  metaTokenC token;
  token.setString(position, "first");
  str* owned = token.getText();
  token.setWord(nullptr, "second");
  EXPECT_EQ(token.getText(), owned);  // the same str, new text
  EXPECT_STREQ(token.getText()->c_str(), "second");
  EXPECT_EQ(token.getPosition()[0], -1);

  metaTokenC copy(token);
  EXPECT_NE(copy.getText(), token.getText());
  EXPECT_EQ(copy, token);

  token.setDouble(position, 2.5);
  EXPECT_EQ(token.getKind(), uint32_t(metaTokenC::kindDouble));
  token.clear();
  EXPECT_EQ(token.getKind(), uint32_t(metaTokenC::kindNone));
  EXPECT_EQ(token.getPosition()[0], 2);  // clear keeps the position

  metaTokenC none;
  none.setPosition(5, 6);
  copy.assign(none);
  EXPECT_EQ(copy.getKind(), uint32_t(metaTokenC::kindNone));
  EXPECT_EQ(copy.getPosition()[0], 5);
}

TEST(metaTokenC, AssigningATokenToItselfKeepsIt) {
  metaTokenC token;
  token.setWord(nullptr, "SELF");
  token.assign(token);
  EXPECT_STREQ(token.getText()->c_str(), "SELF");
  token.setString(token.getPosition(), token.getText()->c_str());
  EXPECT_EQ(token.getKind(), uint32_t(metaTokenC::kindString));
  EXPECT_STREQ(token.getText()->c_str(), "SELF");
  token.setWord(nullptr, token.getText()->c_str() + 2);
  EXPECT_STREQ(token.getText()->c_str(), "LF");
}

TEST(metaTokenC, TokensHoldingASharedTextCountThemselvesAndChangeOnlyTheirOwn) {
  const int position[2] = {4, 0};
  auto* text = new metaTokenTextC("KEY", 3);
  {
    metaTokenC word, string;
    word.holdText(metaTokenC::kindWord, position, text);
    string.holdText(metaTokenC::kindString, nullptr, text);
    EXPECT_EQ(text->holderCount(), 3u);
    EXPECT_EQ(word.getText(), text);
    EXPECT_EQ(word.getPosition()[0], 4);
    EXPECT_TRUE(string.isString());
    EXPECT_NE(word, string);

    metaTokenC copy(word);  // a copy owns its text
    EXPECT_NE(copy.getText(), text);
    EXPECT_EQ(copy, word);
    EXPECT_EQ(text->holderCount(), 3u);

    string.setString(nullptr, "other");
    EXPECT_EQ(text->holderCount(), 2u);
    EXPECT_STREQ(word.getText()->c_str(), "KEY");
    word.setWord(nullptr, word.getText()->c_str() + 1);  // from the shared text itself
    EXPECT_STREQ(word.getText()->c_str(), "EY");
    EXPECT_EQ(text->holderCount(), 1u);
    word.holdText(metaTokenC::kindWord, nullptr, text);
    word.setDouble(nullptr, 2);
    EXPECT_EQ(text->holderCount(), 1u);
  }
  text->releaseHolder();
}
