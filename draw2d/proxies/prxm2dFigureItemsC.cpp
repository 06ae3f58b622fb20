#include "draw2d/proxies/prxm2dFigureItemsC.h"

const proxyClassC prxm2dFigureItemsC::description("class prxm2dFigureItemsC *", nullptr,
                                                  &prxmShapesBase2dC::description,
                                                  &makeProxyOverNode<prxm2dFigureItemsC>);

prxm2dFigureItemsC::prxm2dFigureItemsC(const metaObjectC& source) : prxmShapesBase2dC(source) { setClass(description); }
