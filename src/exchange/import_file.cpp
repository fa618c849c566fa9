#include "exchange/import_file.h"

#include "exchange/import_outline.h"
#include "exchange/import_text.h"
#include "platform/platform.h"

int ImportFromFile(BookmarkList& list, const std::string& path, uint8_t rating, ImportFileText text,
                   ImportTextParser parse) {
  if (text == ImportFileText::kUtf8) {
    platform::LargeTable<char> content;
    if (!ReadUtf8ImportText(path, &content)) return kImportFailed;
    return parse(list, std::string_view(content.data(), content.size()), rating);
  }
  std::string content;
  if (platform::ReadWholeFile(path.c_str(), &content) != platform::kErrorNone) return kImportFailed;
  return parse(list, content, rating);
}
