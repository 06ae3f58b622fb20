#include "proxy/createMetaObjectFactory.h"

#include "proxy/prxMetaObjectFactoryC.h"

proxyObjectC* createMetaObjectFactory() { return new prxMetaObjectFactoryC(0); }
