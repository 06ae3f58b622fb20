#include "draw2d/proxies/prxmEllipse2dC.h"

const proxyClassC prxmEllipse2dC::description("class prxmEllipse2dC *", nullptr, &prxmEllipseCore2dC::description,
                                              &makeProxyOverNode<prxmEllipse2dC>);

prxmEllipse2dC::prxmEllipse2dC(const metaObjectC& source) : prxmEllipseCore2dC(source) { setClass(description); }
