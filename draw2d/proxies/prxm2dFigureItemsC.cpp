#include "draw2d/proxies/prxm2dFigureItemsC.h"

const proxyClassC prxm2dFigureItemsC::description = describeOverNodes("class prxm2dFigureItemsC *", nullptr);
