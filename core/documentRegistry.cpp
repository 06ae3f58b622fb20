// The registry of the 2D document classes; their registrars join it in this file.
#include "core/keywordRegistries.h"

metaObjectInterfaceListC* documentRegistry = nullptr;
