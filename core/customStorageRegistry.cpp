// The custom-storage registry and its registrars.
#include "core/keywordRegistrarT.h"
#include "core/keywordRegistries.h"
#include "core/metaObjectCRCC.h"
#include "core/metaObjectRefC.h"

metaObjectInterfaceListC* customStorageRegistry = nullptr;

namespace {

keywordRegistrarT<metaObjectRefC, metaObjectCustomStorageC> referenceRegistrar(customStorageRegistry, "MOREF", 3);
keywordRegistrarT<metaObjectCRCC, metaObjectCustomStorageC> checksumRegistrar(customStorageRegistry, "MOCRC", 3);

}  // namespace
