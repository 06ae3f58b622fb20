// Loading shared libraries and finding their entry points.
#pragma once

namespace moduleLoader {

using moduleT = void*;

// Null when the library cannot be loaded.
moduleT load(const char* path);
// Null when the module is null or has no such entry point.
void* findEntry(moduleT module, const char* name);
void unload(moduleT module);
bool fileExists(const char* path);

}  // namespace moduleLoader
