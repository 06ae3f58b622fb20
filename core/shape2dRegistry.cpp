// The registry of the 2D shape classes; their registrars join it in this file.
#include "core/keywordRegistries.h"

metaObjectInterfaceListC* shape2dRegistry = nullptr;
