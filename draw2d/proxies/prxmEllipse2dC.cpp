#include "draw2d/proxies/prxmEllipse2dC.h"

const proxyClassC prxmEllipse2dC::description = describeOverNodes("class prxmEllipse2dC *", nullptr);
