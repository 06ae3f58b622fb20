// The object every Factory property of a meta-object proxy hands out.
#pragma once

class proxyObjectC;

// A new meta-object factory with reference count 0, or null while the library offers none.
proxyObjectC* createMetaObjectFactory();
