// The keyword registries of the 2D drawing family; registrars of 2D classes join them from
// any source file of this folder.
#pragma once

#include "core/metaObjectInterfaceListEntryC.h"

// 2D documents (DRAWING, FIGURE); the prototypes are m2dDocumentC.
extern metaObjectInterfaceListC* documentRegistry;
// 2D shape classes; the prototypes are mBaseShape2dC.
extern metaObjectInterfaceListC* shape2dRegistry;
