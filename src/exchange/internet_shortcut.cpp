#include "exchange/internet_shortcut.h"

#include "list/item_codec.h"
#include "platform/platform.h"

namespace {

constexpr std::string_view kSection = "[InternetShortcut]";
constexpr std::string_view kUrlKey = "URL=";

// The file name without folder and without its last extension.
std::string BaseName(const std::string& path) {
  size_t slash = platform::LastSeparator(path);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

int ReadUrlFile(const std::string& path, std::string* address, std::string* title) {
  address->clear();
  *title = BaseName(path);
  std::string text;
  if (platform::ReadWholeFile(path.c_str(), &text) != platform::kErrorNone) return -1;
  bool inSection = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line = TrimTrailingSpace(std::string_view(text).substr(start, end - start));
    start = end + 1;
    if (!inSection) {
      inSection = line == kSection;
    } else if (line.substr(0, kUrlKey.size()) == kUrlKey) {
      *address = std::string(line.substr(kUrlKey.size()));
      break;
    }
  }
  return address->empty() ? -1 : 0;
}

std::string UrlFileText(std::string_view address) {
  std::string text(kSection);
  text += "\r\n";
  text += kUrlKey;
  text += address;
  text += "\r\n";
  return text;
}

uint32_t WriteUrlFile(const std::string& folder, const std::string& name,
                      const std::string& address, std::string* outputPath) {
  *outputPath = folder + name + kUrlFileExtension;
  return platform::WriteWholeFile(outputPath->c_str(), UrlFileText(address));
}
