#include "exchange/import_file.h"

#include "exchange/import_outline.h"
#include "exchange/import_text.h"
#include "platform/platform.h"

namespace {

bool ReadText(const std::string& path, ImportFileText kind, std::string* text) {
  if (kind == ImportFileText::kUtf8) return ReadImportText(path, true, false, text) >= 0;
  return platform::ReadWholeFile(path.c_str(), text) == platform::kErrorNone;
}

}  // namespace

int ImportFromFile(BookmarkList& list, const std::string& path, uint8_t rating, ImportFileText text,
                   ImportTextParser parse) {
  std::string content;
  if (!ReadText(path, text, &content)) return kImportFailed;
  return parse(list, content, rating);
}
