// The registry of the 3D feature classes; their registrars join it in this file.
#include "core/keywordRegistries.h"

metaObjectInterfaceListC* featureRegistry = nullptr;
