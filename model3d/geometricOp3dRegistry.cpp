// The registry of the 3D geometric-operation classes; its registrars may live in any file of this folder.
#include "model3d/modelRegistries.h"

metaObjectInterfaceListC* geometricOp3dRegistry = nullptr;
