#include "proxy/factoryTreeRead.h"

#include <cerrno>
#include <cstring>

#include "base/str.h"
#include "core/metaTreeReaderC.h"
#include "platform/debugOutput.h"

namespace {

// The one writer of the failure line: "<source>: <reason>", one write, so that a sink sees
// the line whole.
void reportReadFailure(const char* source, const char* reason) {
  str line(source);
  line += ": ";
  line += reason;
  line += "\n";
  debugOutput::write(line.c_str());
}

// Why a read that was opened gave no node: the reader's own error, or no item at all.
void reportParseFailure(const char* source, const metaTreeReaderC& reader) {
  if (reader.hasError()) reportReadFailure(source, reader.errorText().c_str());
  else reportReadFailure(source, "empty document");
}

}  // namespace

metaTreeC* factoryReadFile(const char* path) {
  metaTreeReaderC reader;
  errno = 0;
  if (!reader.openFile(path)) {
    // errno holds the system's reason: from the access test, the open, or the first read,
    // which is where a folder fails.
    int reason = errno ? errno : EIO;
    str text("cannot open: ");
    text += std::strerror(reason);
    reportReadFailure(path, text.c_str());
    return nullptr;
  }
  metaTreeC* node = reader.read(1);
  if (!node) reportParseFailure(path, reader);
  return node;
}

metaTreeC* factoryReadString(const char* text) {
  metaTreeReaderC reader;
  reader.openString(text);
  metaTreeC* node = reader.read(1);
  if (!node) reportParseFailure("createFromString", reader);
  return node;
}
