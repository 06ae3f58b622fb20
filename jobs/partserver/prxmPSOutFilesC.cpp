#include "jobs/partserver/prxmPSOutFilesC.h"

const proxyClassC prxmPSOutFilesC::description = describeOverNodes("class prxmPSOutFilesC *", nullptr);
