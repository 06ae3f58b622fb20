// The process-wide slots of the keyword registries the object store itself uses. Each slot is
// defined in the source file that holds its registry's registrars, so that using a registry
// links its registrars. The document families keep their own registries in their folders.
#pragma once

#include "core/metaObjectInterfaceListEntryC.h"

// Meta objects with custom storage hooks, as metaObjectCustomStorageC (MOREF, MOCRC).
extern metaObjectInterfaceListC* customStorageRegistry;
// Meta objects with custom copy hooks, as metaObjectCustomCopyC (MOREF).
extern metaObjectInterfaceListC* customCopyRegistry;
// Extended-attribute classes, as mExtAttrBaseC (EXTATTRVAR, EXTATTRSTR, EXTATTRVAL).
extern metaObjectInterfaceListC* extAttrRegistry;
