// Finds and loads the engine's server library "mzcomsrvdll" below the product's root folder,
// for a library that runs without a host handing it an engine. Nothing in the library calls
// it at start: the exports take the engine from the host.
#pragma once

#include <cstdint>

#include "base/str.h"

// Where the product's root folder is registered, and the variables that name it otherwise.
inline constexpr const char* mzComRootRegistryKey = "SOFTWARE\\VORKANE\\PATH\\VORKANE";
inline constexpr const char* mzComRootVariable = "VORKANE";
inline constexpr const char* mzComRemotePathVariable = "MZCOM_REMOTEPATH";
inline constexpr const char* mzComOsNameVariable = "OSNAME";

// The folder of the server library: the root, a separator unless the root ends in one,
// "libs/" and the OS name (osName, else $OSNAME, else "x86"). Empty without a root.
str remoteEngineFolder(const char* osName);

// Loads "<folder>/mzcomsrvdll" and, once it is attached, tells the engine's factory service
// of "<folder>/com". 1 when there is no root or loading failed, else 0.
uint32_t findAndLoadRemoteEngine(const char* osName);

// With an engine already attached, only counts another attach. Else loads the server library
// at path and keeps the engine it gives. A library without "mzComGetRemoteEngine" is reported
// with a message box and 1, and leaves the attach count as it was.
uint32_t loadRemoteEngineLibrary(const char* path);
