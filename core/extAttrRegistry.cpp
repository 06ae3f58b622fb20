// The extended-attribute registry and its registrars.
#include "core/keywordRegistrarT.h"
#include "core/keywordRegistries.h"
#include "core/mExtAttrStrC.h"
#include "core/mExtAttrValC.h"
#include "core/mExtAttrVarC.h"

metaObjectInterfaceListC* extAttrRegistry = nullptr;

namespace {

keywordRegistrarT<mExtAttrVarC, mExtAttrBaseC> variableRegistrar(extAttrRegistry, "EXTATTRVAR", 3);
keywordRegistrarT<mExtAttrStrC, mExtAttrBaseC> stringRegistrar(extAttrRegistry, "EXTATTRSTR", 3);
keywordRegistrarT<mExtAttrValC, mExtAttrBaseC> numberRegistrar(extAttrRegistry, "EXTATTRVAL", 3);

}  // namespace
