// The INI text format: "[name]" lines open sections, "key=text" lines are their entries,
// lines starting with ";" are comments. Files are read and written in text mode (CR LF on
// disk, LF in memory).
//
// Reading takes a line as one section header when its first character after blanks (spaces,
// tabs) is "[" and a "]" follows: the name is the text up to the first "]" without the spaces
// around it (tabs kept), and the rest of the line is ignored. Otherwise a line that does not
// start with ";" (a comment) and has an "=" is an entry of the current section, its key the
// text before the first "=" without the spaces around it, its text everything after it as it
// stands. Every other line is skipped, as are entries before the first header. A line is
// taken whole, up to its first zero byte, less one trailing CR. Nothing is merged: equal names
// and keys all stay.
//
// Writing gives each section as "[" NAME "]" and each of its entries as KEY "=" TEXT, every
// line ended by CR LF, as they are stored: nothing is quoted or escaped, and no FNAME,
// comment or blank line is written. What would not read back as the same sections and entries
// is refused, and nothing is written: a name, key or text holding a CR, a LF or a zero byte, a
// name holding "]", a key holding "=" or whose first character after blanks is ";", and an
// entry whose line would read as a header. Only the spaces the reader trims around names and
// keys are lost.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "jobs/ini/mIniFileC.h"

// The file at path as a new owned tree whose FNAME is path; the model holds no tree when
// nothing can be read at path (no file, no permission, a folder, a pipe or a device, a failed
// read, a file too large for memory).
mIniFileC readIniText(const char* path);
// Writes the file's sections to path, replacing what was there; a model without a tree gives
// an empty file. 1 when the file was written and closed; 0 when the tree holds what the format
// cannot carry or the file could not be created, written or closed, and then the file and the
// tree stay as they were. After a write every section has its
// NAME and ENTRIES and every entry its KEY and TEXT, added empty where they were missing.
uint32_t writeIniText(mIniFileC& file, const char* path);

// What the reader makes of a text as text mode reads it (LF line ends): a new owned tree
// whose FNAME is path.
mIniFileC parseIniText(std::string_view text, const char* path);
// The text the writer stores for the tree under root (LF line ends; the disk form adds the
// CRs), or false when the writer refuses the tree. It reads as the writer does but adds
// nothing to the tree.
bool formatIniText(const metaTreeC* root, std::string& text);
