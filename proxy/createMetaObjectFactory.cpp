#include "proxy/createMetaObjectFactory.h"

proxyObjectC* createMetaObjectFactory() { return nullptr; }
