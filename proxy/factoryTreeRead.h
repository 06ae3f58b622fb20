// The reads behind the factories' createFromFile and createFromString. A read that gives no
// tree says why in one line on the debugger output, for the host's author: the script that
// called gets only the empty object, as it always has.
#pragma once

class metaTreeC;

// The first top-level node of the file, owned by the caller, with the load hooks run; null
// when the file cannot be opened, does not parse or holds no item.
metaTreeC* factoryReadFile(const char* path);

// The same for a tree text.
metaTreeC* factoryReadString(const char* text);
