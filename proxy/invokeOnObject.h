// Forwards the arguments of one script call to a call by name on another object.
#pragma once

#include <cstdint>

class mzIDispatch;
class proxyAutoParaListC;
struct mzVariantS;

// Reads every argument of the list in ascending order (so the list's current index ends
// on the last one) and calls name on object with copies of them, without an error
// object. The object's Invoke result, 0 on success; 1 for a null object.
uint32_t invokeOnObject(mzIDispatch* object, const char* name, uint32_t kind, proxyAutoParaListC& arguments,
                        mzVariantS* result);
