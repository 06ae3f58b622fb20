#include "dlliface/prxmDllIfaceOptTypeC.h"

const proxyClassC prxmDllIfaceOptTypeC::description = describeOverNodes("class prxmDllIfaceOptTypeC *", nullptr);
