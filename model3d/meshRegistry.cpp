// The registry of the mesh document classes; its registrars may live in any file of this folder.
#include "model3d/modelRegistries.h"

metaObjectInterfaceListC* meshRegistry = nullptr;
