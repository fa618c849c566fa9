// Helpers for the bookmark list tests: a temporary folder, whole files, and
// list texts built from item lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "list/bookmark_list.h"
#include "list/list_result.h"

namespace listtest {

// A fresh folder under the system's temporary folder, removed with its
// files when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string Path(const std::string& name) const;

 private:
  std::string path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// A list file's bytes: the given header, the column line, then each item
// line followed by CR LF.
std::string ListText(const std::vector<std::string>& lines,
                     const std::string& header = "VELLOXFL/A/0/100/abcdefghij/");

// ReadHeader + LoadLines as opening does; returns the first result that is
// not ReadWrite/ReadOnly, else LoadLines' result.
ListResult Open(BookmarkList& list, const std::string& path, uint32_t selectId = 0);
// WriteList into a string (RenderList).
std::string Render(BookmarkList& list);
// The bytes after the header line.
std::string WithoutHeader(const std::string& bytes);

// Lines of a rendered list from the root line on.
std::vector<std::string> ItemLines(const std::string& bytes);

// An item to add to a hand-built outline; a bookmark gets the address
// "http://example.com/<title>".
BookmarkItem Item(int8_t level, const std::string& title, uint16_t flags = 0);

// The live outline as "level+title" words, e.g. "0C1 1S1 2B1", "-" for a
// separator; with markAliases an alias's word ends in "@".
std::string Shape(BookmarkList& list, bool markAliases = false);

// A clock the test moves by hand.
struct ManualClock {
  uint32_t now = 1600000000;  // 2020-09-13 12:26:40 UTC
  void Attach(BookmarkList& list) {
    list.clock = [this] { return now; };
  }
};

}  // namespace listtest
