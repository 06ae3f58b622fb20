// The second registrar of the tie test, in a file of its own.
#include "core/keywordRegistrarT.h"
#include "tests/core/keywordRegistryTieRegistrars.h"

namespace {

keywordRegistrarT<tieOmegaC, tieAlphaC> omegaRegistrar(tieTestRegistry, "TIE", 7);

}  // namespace
