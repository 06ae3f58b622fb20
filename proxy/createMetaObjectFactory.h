// The object every Factory property of a meta-object proxy hands out.
#pragma once

class proxyObjectC;

// A new meta-object factory with reference count 0: the result that receives it takes the
// first reference.
proxyObjectC* createMetaObjectFactory();
