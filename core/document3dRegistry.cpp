// The registry of the 3D document classes; their registrars join it in this file.
#include "core/keywordRegistries.h"

metaObjectInterfaceListC* document3dRegistry = nullptr;
