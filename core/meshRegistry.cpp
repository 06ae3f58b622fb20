// The registry of the mesh document classes; their registrars join it in this file.
#include "core/keywordRegistries.h"

metaObjectInterfaceListC* meshRegistry = nullptr;
