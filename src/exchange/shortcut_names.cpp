#include "exchange/shortcut_names.h"

#include "exchange/import_regex.h"
#include "list/item_codec.h"
#include "platform/platform.h"

namespace {

constexpr size_t kMaxNameChars = 64;
constexpr std::string_view kEllipsis = "...";
constexpr char kNoTitle[] = "(No title)";
constexpr std::string_view kForbidden = "\\/:*?\"<>|\r\n\t";

constexpr const char* kInternetPrefixes[] = {"http://",   "https://", "ftp://",
                                             "gopher://", "news://",  "mailto:"};

// A drive or server prefix, a path without the characters a file name may
// not hold, a dot and an extension; then the end or a blank and arguments.
constexpr char kProgramPattern[] = R"(^((?:[a-z]:\\|\\\\)?[^/:*?<>|"]+\.[a-z]+)($| .*))";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (Lower(text[i]) != Lower(prefix[i])) return false;
  return true;
}

// The byte count of the first chars characters' worth of bytes that does
// not end inside a double-byte character.
size_t CutPoint(std::string_view text, size_t bytes) {
  size_t at = 0;
  while (at < text.size()) {
    size_t width = platform::IsLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
    if (at + width > bytes) break;
    at += width;
  }
  return at;
}

}  // namespace

std::string ShortcutFileName(std::string_view title) {
  std::string_view trimmed = TrimTrailingSpace(title);
  while (!trimmed.empty() && IsLineSpace(trimmed.front())) trimmed.remove_prefix(1);
  std::string name;
  if (trimmed.empty()) {
    name = kNoTitle;
  } else if (trimmed.size() > kMaxNameChars) {
    name = std::string(trimmed.substr(0, CutPoint(trimmed, kMaxNameChars - kEllipsis.size())));
    name += kEllipsis;
  } else {
    name = std::string(trimmed);
  }
  for (char& c : name)
    if (kForbidden.find(c) != std::string_view::npos) c = ' ';
  return name;
}

bool IsInternetAddress(std::string_view address) {
  for (const char* prefix : kInternetPrefixes)
    if (StartsWithNoCase(address, prefix)) return true;
  return false;
}

bool SplitProgramAddress(std::string_view address, std::string* target, std::string* arguments) {
  static const boost::regex pattern = ImportPattern(kProgramPattern);
  target->clear();
  arguments->clear();
  ImportMatch match;
  try {
    if (!SearchIn(pattern, address, &match)) return false;
  } catch (const std::exception&) {
    return false;
  }
  *target = std::string(Group(match, 1));
  // Group 2 starts with the blank that separates the arguments; the link
  // keeps only the arguments, so that reading it back ("target arguments")
  // gives the address again.
  std::string_view rest = Group(match, 2);
  if (!rest.empty()) rest.remove_prefix(1);
  *arguments = std::string(rest);
  return true;
}
