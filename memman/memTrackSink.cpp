#include "memman/memTrackSink.h"

#include <string>

#include "memman/memTrackHooks.h"
#include "platform/debugOutput.h"
#include "platform/textFile.h"

namespace {

void writeInPieces(std::string_view text) {
  for (size_t start = 0; start < text.size(); start += memTrackSinkPiece)
    debugOutput::write(std::string(text.substr(start, memTrackSinkPiece)).c_str());
}

}  // namespace

void writeMemTrackSink(std::string_view text) { writeMemTrackText(memTrackOutputPath(), text); }

void writeMemTrackText(const char* path, std::string_view text) {
  if (path && *path && textFile::appendTextFile(path, text)) return;
  writeInPieces(text);
}
