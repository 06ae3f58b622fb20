// The INI text format: "[name]" lines open sections, "key=text" lines are their entries,
// lines starting with ";" are comments. Files are read and written in text mode (CR LF on
// disk, LF in memory).
//
// Reading takes a line as one section header when its first "[" stands before its first "]"
// (the name is the text between them without the spaces around it, tabs kept); otherwise, a
// line that is not a comment and has an "=" is an entry of the current section, its key the
// text before the first "=" without the spaces around it, its text everything after it as it
// stands. Every other line is skipped, as are entries before the first header. A line keeps
// its first 8,190 characters, up to its first zero byte, less one trailing CR; the rest of a
// longer line is skipped up to its LF. Nothing is merged: equal names and keys all stay.
//
// Writing gives each section as "[" NAME "]" and each of its entries as KEY "=" TEXT, every
// line ended by CR LF, as they are stored: nothing is quoted or escaped, and no FNAME,
// comment or blank line is written. So a text read and written again loses the spaces around
// names and keys, a trailing CR of a text, and entries whose key starts with ";" (they come
// back as comments).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "jobs/ini/mIniFileC.h"

// The file at path as a new owned tree whose FNAME is path; the model holds no tree when
// nothing can be read at path (no file, no permission, a folder, a failed read).
mIniFileC readIniText(const char* path);
// Writes the file's sections to path, replacing what was there; a model without a tree gives
// an empty file. 1 when the file was written and closed; 0 when it could not be created,
// written or closed, and then the tree stays as it was. After a write every section has its
// NAME and ENTRIES and every entry its KEY and TEXT, added empty where they were missing.
uint32_t writeIniText(mIniFileC& file, const char* path);

// What the reader makes of a text as text mode reads it (LF line ends): a new owned tree
// whose FNAME is path.
mIniFileC parseIniText(std::string_view text, const char* path);
// The text the writer stores for the tree under root (LF line ends; the disk form adds the
// CRs). It reads as the writer does but adds nothing to the tree.
std::string formatIniText(const metaTreeC* root);
