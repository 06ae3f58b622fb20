#include <gtest/gtest.h>

#include <cstring>
#include <typeinfo>

#include "core/keywordRegistrarT.h"
#include "tests/core/keywordRegistryTieRegistrars.h"

metaObjectInterfaceListC* tieTestRegistry = nullptr;

namespace {

keywordRegistrarT<tieAlphaC, tieAlphaC> alphaRegistrar(tieTestRegistry, "TIE", 7);

int prototypes[2];

}  // namespace

TEST(keywordRegistry, EqualPrioritiesAreDecidedByNameInAnyOrder) {
  // Registrars in two files: the class whose name comes first wins, whichever ran first.
  const bool alphaFirst = std::strcmp(typeid(tieAlphaC).name(), typeid(tieOmegaC).name()) < 0;
  auto* winner = static_cast<tieAlphaC*>(findKeyword(tieTestRegistry, "TIE"));
  ASSERT_NE(winner, nullptr);
  EXPECT_EQ(typeid(*winner) == typeid(tieAlphaC), alphaFirst);

  // The same outcome for both orders of registration; a higher priority still wins outright.
  for (bool reversed : {false, true}) {
    metaObjectInterfaceListC* registry = nullptr;
    registryCreate(registry);
    const char* names[] = {"b-second", "a-first"};
    for (int i = 0; i < 2; ++i) {
      int which = reversed ? 1 - i : i;
      registerKeyword(registry, "K", &prototypes[which], 2, names[which]);
    }
    EXPECT_EQ(findKeyword(registry, "K"), &prototypes[1]) << "reversed " << reversed;
    registerKeyword(registry, "K", &prototypes[0], 3, "z-last");
    EXPECT_EQ(findKeyword(registry, "K"), &prototypes[0]);
    registryDestroy(registry);
  }
}
