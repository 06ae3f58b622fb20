#include "jobs/partserver/prxmPSOutFilesC.h"

const proxyClassC prxmPSOutFilesC::description("class prxmPSOutFilesC *", nullptr,
                                               &prxmObjListBaseTypeContainerTemplateC::description,
                                               &makeProxyOverNode<prxmPSOutFilesC>);
