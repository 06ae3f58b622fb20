#include "jobs/exchange/prxmNatVarTableLineC.h"

const proxyClassC prxmNatVarTableLineC::description = describeOverNodes("class prxmNatVarTableLineC *", nullptr);
