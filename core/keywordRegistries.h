// The process-wide slots of the nine keyword registries. Each slot is defined in the source
// file that holds its registry's registrars, so that using a registry links its registrars.
#pragma once

#include "core/metaObjectInterfaceListEntryC.h"

// 2D documents (DRAWING, FIGURE).
extern metaObjectInterfaceListC* documentRegistry;
// 2D shape classes.
extern metaObjectInterfaceListC* shape2dRegistry;
// Meta objects with custom storage hooks, as metaObjectCustomStorageC (MOREF, MOCRC).
extern metaObjectInterfaceListC* customStorageRegistry;
// Meta objects with custom copy hooks, as metaObjectCustomCopyC (MOREF).
extern metaObjectInterfaceListC* customCopyRegistry;
// Extended-attribute classes, as mExtAttrBaseC (EXTATTRVAR, EXTATTRSTR, EXTATTRVAL).
extern metaObjectInterfaceListC* extAttrRegistry;
// 3D document classes.
extern metaObjectInterfaceListC* document3dRegistry;
// 3D model classes that can be scaled and transformed.
extern metaObjectInterfaceListC* geometricOp3dRegistry;
// 3D feature classes.
extern metaObjectInterfaceListC* featureRegistry;
// Mesh documents.
extern metaObjectInterfaceListC* meshRegistry;
