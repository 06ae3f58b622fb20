#include "dlliface/prxDllOutfileListC.h"

const proxyClassC prxDllOutfileListC::description("class prxDllOutfileListC *", nullptr,
                                                  &prxmObjListBaseTypeContainerTemplateC::description,
                                                  &makeProxyOverNode<prxDllOutfileListC>);
