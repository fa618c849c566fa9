// The file is read line by line with the same two-pass walk as the other
// outline importers: a folder's lines are read once for its links, then
// again from the folder's start for its sub-folders.
#include "exchange/opera_import.h"

#include <algorithm>
#include <vector>

#include "exchange/import_file.h"
#include "exchange/import_outline.h"
#include "exchange/import_text.h"

namespace {

constexpr char kFirstLine[] = "Opera Hotlist version 2.0";
constexpr size_t kNone = static_cast<size_t>(-1);

bool IsTrailingSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view TrimEnd(std::string_view line) {
  while (!line.empty() && IsTrailingSpace(line.back())) line.remove_suffix(1);
  return line;
}

bool TakeField(std::string_view line, std::string_view name, std::string_view* value) {
  if (line.compare(0, name.size(), name) != 0) return false;
  *value = line.substr(name.size());
  return true;
}

// The lines as a text-mode read gives them: without LF, CR LF as LF.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == kNone) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (end < text.size() && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

enum class Pending { kNone, kFolder, kLink };

class OperaWalk {
 public:
  OperaWalk(BookmarkList& list, std::vector<std::string_view> lines, uint8_t rating)
      : out_(list), lines_(std::move(lines)), rating_(rating) {
    MatchFolders();
  }

  void Run() {
    size_t at = 1;  // the first line was checked
    while (!out_.Full()) {
      if (at >= lines_.size()) {
        if (!linkMode_) break;
        at = EndScan();  // the end of the file ends the folder being scanned
        continue;
      }
      std::string_view line = TrimEnd(lines_[at]);
      size_t next = at + 1;
      if (line.empty()) {
        next = OnEmptyLine(next);
      } else if (line == "-") {
        next = OnFolderEnd(next);
      } else {
        next = OnRecordLine(line, at, next);
      }
      at = next;
    }
  }

 private:
  // By line: for a "#FOLDER" line, the "-" line that ends the folder.
  void MatchFolders() {
    endOf_.assign(lines_.size(), kNone);
    std::vector<size_t> open;
    for (size_t i = 1; i < lines_.size(); ++i) {
      std::string_view line = TrimEnd(lines_[i]);
      if (line == "#FOLDER") {
        open.push_back(i);
      } else if (line == "-" && !open.empty()) {
        endOf_[open.back()] = i;
        open.pop_back();
      }
    }
  }

  size_t OnRecordLine(std::string_view line, size_t at, size_t next) {
    std::string_view value;
    if (pending_ != Pending::kNone && TakeField(line, "\tNAME=", &value)) {
      item_.title = DecodeUtf8ToAnsi(value);
    } else if (pending_ == Pending::kLink && TakeField(line, "\tURL=", &value)) {
      item_.url = DecodeUtf8ToAnsi(value);
    } else if (pending_ == Pending::kLink && TakeField(line, "\tVISITED=", &value)) {
      item_.timeLastVisit = ReadDecimal(value);
    } else if (pending_ == Pending::kLink && TakeField(line, "\tCREATED=", &value)) {
      item_.timeAdded = ReadDecimal(value);
    } else if (pending_ == Pending::kLink && TakeField(line, "\tDESCRIPTION=", &value)) {
      item_.notes = TrimmedNote(DecodeUtf8ToAnsi(value));
    } else if (line == "#FOLDER") {
      // A folder inside the one whose links are collected adds nothing to
      // them: step over it when its end is known.
      if (linkMode_ && pending_ == Pending::kNone && endOf_[at] != kNone) return endOf_[at] + 1;
      ++depth_;
      if (!linkMode_) Start(Pending::kFolder);
    } else if (line == "#URL" && linkMode_ && depth_ == scanDepth_) {
      Start(Pending::kLink);
    }
    return next;
  }

  void Start(Pending kind) {
    pending_ = kind;
    item_ = kind == Pending::kLink ? NewLink(rating_) : NewContainer(0, "");
    item_.title = kCorruptedTitle;
    if (kind == Pending::kLink) item_.url = kCorruptedTitle;
  }

  size_t OnEmptyLine(size_t next) {
    if (pending_ == Pending::kFolder) {
      currentLevel_ = depth_ >= 2 ? 1 : depth_;
      item_.level = static_cast<int8_t>(currentLevel_);
      out_.Append(item_);
      linkMode_ = true;
      saved_ = next;
      scanDepth_ = depth_;
    } else if (pending_ == Pending::kLink) {
      out_.FillBeforeLink(&currentLevel_);
      out_.Append(item_);
    }
    pending_ = Pending::kNone;
    return next;
  }

  size_t OnFolderEnd(size_t next) {
    pending_ = Pending::kNone;
    if (linkMode_ && depth_ == scanDepth_) return EndScan();
    if (depth_ >= 0) --depth_;
    if (!linkMode_) currentLevel_ = depth_ > 1 ? 1 : std::max(currentLevel_ - 1, -1);
    return next;
  }

  // Back to the start of the scanned folder, now for its sub-folders.
  size_t EndScan() {
    pending_ = Pending::kNone;
    linkMode_ = false;
    depth_ = scanDepth_;  // folders left open at the end of the file
    scanDepth_ = -1;
    return saved_;
  }

  ImportAppender out_;
  std::vector<std::string_view> lines_;
  std::vector<size_t> endOf_;
  uint8_t rating_;
  BookmarkItem item_;
  Pending pending_ = Pending::kNone;
  int depth_ = -1, currentLevel_ = -1, scanDepth_ = -1;
  bool linkMode_ = true;  // the first pass collects the links outside every folder
  size_t saved_ = 0;
};

}  // namespace

int ImportOperaText(BookmarkList& list, std::string_view text, uint8_t rating) {
  std::vector<std::string_view> lines = SplitLines(text);
  if (lines.empty() || lines[0] != kFirstLine) return kImportFailed;
  OperaWalk walk(list, std::move(lines), rating);
  walk.Run();
  return kImportOk;
}

int ImportOperaHotlist(BookmarkList& list, const std::string& path, uint8_t rating) {
  return ImportFromFile(list, path, rating, ImportFileText::kBytes, ImportOperaText);
}
