#include "jobs/exchange/prxmNatVarTableLineC.h"

const proxyClassC prxmNatVarTableLineC::description("class prxmNatVarTableLineC *", nullptr,
                                                    &prxmNatVarValueListC::description,
                                                    &makeProxyOverNode<prxmNatVarTableLineC>);
