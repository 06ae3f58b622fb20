#include "dlliface/prxDllOutfileListC.h"

const proxyClassC prxDllOutfileListC::description = describeOverNodes("class prxDllOutfileListC *", nullptr);
