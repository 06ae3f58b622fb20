#include "core/keyWordDeclarationC.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/keywordRegistrarT.h"
#include "core/metaObjectCRCC.h"
#include "core/metaObjectCustomStorageC.h"

namespace {

std::multiset<std::string> declaredKeyWords() {
  std::multiset<std::string> words;
  for (const keyWordDeclarationC* declaration = keyWordDeclarationC::first(); declaration;
       declaration = declaration->getNext())
    words.insert(declaration->begin(), declaration->end());
  return words;
}

TEST(keyWordDeclarationC, DeclarationsAndRegistrarsListTheirWordsWhileTheyLive) {
  // The library's registrars and its folders' declarations are there from the start.
  const std::multiset<std::string> library = declaredKeyWords();
  for (const char* word : {"MOREF", "EXTATTRSTR", "EXTATTRLIST", "INIFILE"}) EXPECT_TRUE(library.count(word)) << word;
  {
    static constexpr const char* words[] = {"PROBEFIELD", "PROBELIST"};
    const keyWordDeclarationC declared(words);
    metaObjectInterfaceListC* slot = nullptr;
    const keywordRegistrarT<metaObjectCRCC, metaObjectCustomStorageC> registrar(slot, "PROBEWORD", 3);
    const std::multiset<std::string> now = declaredKeyWords();
    EXPECT_EQ(now.size(), library.size() + 3);
    for (const char* word : {"PROBEFIELD", "PROBELIST", "PROBEWORD"}) EXPECT_EQ(now.count(word), 1u) << word;
  }
  EXPECT_EQ(declaredKeyWords(), library);
}

}  // namespace
