#include "dlliface/prxDllIfaceInFmtItemC.h"

const proxyClassC prxDllIfaceInFmtItemC::description = describeOverNodes("class prxDllIfaceInFmtItemC *", nullptr);
