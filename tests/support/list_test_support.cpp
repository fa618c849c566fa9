#include "support/list_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "list/list_file.h"
#include "platform/platform.h"

namespace listtest {

TempFolder::TempFolder() {
  std::random_device random;
  namespace fs = std::filesystem;
  for (;;) {
    fs::path candidate = fs::temp_directory_path() / ("vellox-list-" + std::to_string(random()));
    if (fs::create_directory(candidate)) {
      path_ = candidate.string();
      return;
    }
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Path(const std::string& name) const { return path_ + "/" + name; }

std::string ReadBytes(const std::string& path) {
  std::string bytes;
  EXPECT_EQ(platform::ReadWholeFile(path.c_str(), &bytes), 0u) << path;
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  ASSERT_EQ(platform::WriteWholeFile(path.c_str(), bytes), 0u) << path;
}

std::string ListText(const std::vector<std::string>& lines, const std::string& header) {
  std::string text = header + "\r\n" + kColumnLine;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

ListResult Open(BookmarkList& list, const std::string& path, uint32_t selectId) {
  ListResult header = ReadHeader(list, path);
  if (!HeaderAllowsLoading(header)) return header;
  return LoadLines(list, selectId);
}

std::string Render(BookmarkList& list) {
  std::string bytes;
  EXPECT_EQ(RenderList(list, &bytes), WriteResult::Ok);
  return bytes;
}

std::string WithoutHeader(const std::string& bytes) {
  size_t lf = bytes.find('\n');
  return lf == std::string::npos ? std::string() : bytes.substr(lf + 1);
}

std::vector<std::string> ItemLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t pos = 0;
  for (int skip = 0; skip < 2 && pos != std::string::npos; ++skip) {
    pos = bytes.find('\n', pos);
    if (pos != std::string::npos) ++pos;
  }
  while (pos != std::string::npos && pos < bytes.size()) {
    size_t lf = bytes.find("\r\n", pos);
    if (lf == std::string::npos) break;
    lines.push_back(bytes.substr(pos, lf - pos));
    pos = lf + 2;
  }
  return lines;
}

BookmarkItem Item(int8_t level, const std::string& title, uint16_t flags) {
  BookmarkItem r;
  r.level = level;
  r.title = title;
  r.flags = flags;
  if (level == kLevelBookmark) r.url = "http://example.com/" + title;
  return r;
}

std::string Shape(BookmarkList& list, bool markAliases) {
  std::string out;
  for (uint16_t i = list.Next(0, true); i != 0; i = list.Next(i, true)) {
    BookmarkItem r;
    list.DecodeInto(i, true, &r);
    if (!out.empty()) out += ' ';
    out += std::to_string(list.Level(i)) + (list.TestFlags(i, kFlagSeparator) ? "-" : r.title);
    if (markAliases && list.IsAlias(i)) out += "@";
  }
  return out;
}

}  // namespace listtest
