// The registry of the 2D shape classes; its registrars may live in any file of this folder.
#include "draw2d/drawingRegistries.h"

metaObjectInterfaceListC* shape2dRegistry = nullptr;
