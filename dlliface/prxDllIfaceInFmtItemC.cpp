#include "dlliface/prxDllIfaceInFmtItemC.h"

const proxyClassC prxDllIfaceInFmtItemC::description("class prxDllIfaceInFmtItemC *", nullptr,
                                                     &prxDllIfaceFmtItemC::description,
                                                     &makeProxyOverNode<prxDllIfaceInFmtItemC>);
