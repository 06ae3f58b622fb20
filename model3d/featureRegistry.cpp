// The registry of the 3D feature classes; its registrars may live in any file of this folder.
#include "model3d/modelRegistries.h"

metaObjectInterfaceListC* featureRegistry = nullptr;
