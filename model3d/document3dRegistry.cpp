// The registry of the 3D document classes; its registrars may live in any file of this folder.
#include "model3d/modelRegistries.h"

metaObjectInterfaceListC* document3dRegistry = nullptr;
