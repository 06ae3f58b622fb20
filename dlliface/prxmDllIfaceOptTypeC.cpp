#include "dlliface/prxmDllIfaceOptTypeC.h"

const proxyClassC prxmDllIfaceOptTypeC::description("class prxmDllIfaceOptTypeC *", nullptr,
                                                    &prxmDllIfaceOptBaseC::description,
                                                    &makeProxyOverNode<prxmDllIfaceOptTypeC>);
