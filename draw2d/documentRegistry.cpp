// The registry of the 2D document classes; its registrars may live in any file of this folder.
#include "draw2d/drawingRegistries.h"

metaObjectInterfaceListC* documentRegistry = nullptr;
