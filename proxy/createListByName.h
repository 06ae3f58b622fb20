// The empty lists a script can ask the meta-object factory for by name.
#pragma once

class proxyObjectC;

// Names compare without regard to case: "prxmstringlist" gives a new string list over a new
// STRLIST node, "prxmobjectlist" a new object list over a new OBJLIST node, each owning its
// tree, with reference count 0; any other name gives null.
proxyObjectC* createListByName(const char* name);
