// The registry of the 3D geometric-operation classes; their registrars join it in this file.
#include "core/keywordRegistries.h"

metaObjectInterfaceListC* geometricOp3dRegistry = nullptr;
