// The keyword registries of the 3D model family; registrars of 3D classes join them from any
// source file of this folder.
#pragma once

#include "core/metaObjectInterfaceListEntryC.h"

// 3D document classes.
extern metaObjectInterfaceListC* document3dRegistry;
// 3D model classes that can be scaled and transformed.
extern metaObjectInterfaceListC* geometricOp3dRegistry;
// 3D feature classes.
extern metaObjectInterfaceListC* featureRegistry;
// Mesh documents.
extern metaObjectInterfaceListC* meshRegistry;
