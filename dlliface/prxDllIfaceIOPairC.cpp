#include "dlliface/prxDllIfaceIOPairC.h"

const proxyClassC prxDllIfaceIOPairC::description("class prxDllIfaceIOPairC *", nullptr,
                                                  &prxDllIfaceBaseC::description,
                                                  &makeProxyOverNode<prxDllIfaceIOPairC>);
