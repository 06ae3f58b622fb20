// Names of the heap's blocks in the memory reports.
#pragma once

#include <string>

#include "memman/memTrackBlockS.h"

// Type names are cut to this many characters.
constexpr size_t memTrackTypeNameLimit = 255;

// The class of the object at payload, probed without ever faulting:
// - "array" unless the first word points to readable memory that looks like a virtual table;
// - the demangled name from the run-time type record before the table, when the record is
//   a genuine class type record of the C++ runtime and the table is the object's primary one;
// - otherwise, when the table's first entry lies in executable code, "class", or the class
//   part of the name of the function there when a symbol covers it.
// The payload must have at least 8 readable bytes, as every block of the heap has.
std::string objectTypeName(const void* payload);

// A heap block: with MZMEMTRACK_TYPEINFO the object's type name, otherwise (or when it is
// empty) "unk". An arena block: the arena's name for its blocks, whatever the switches.
std::string blockTypeName(const memTrackBlockS& block);
