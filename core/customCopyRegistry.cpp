// The custom-copy registry and its registrars.
#include "core/keywordRegistrarT.h"
#include "core/keywordRegistries.h"
#include "core/metaObjectRefC.h"

metaObjectInterfaceListC* customCopyRegistry = nullptr;

namespace {

keywordRegistrarT<metaObjectRefC, metaObjectCustomCopyC> referenceRegistrar(customCopyRegistry, "MOREF", 3);

}  // namespace
