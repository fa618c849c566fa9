// The outline walk over the node table mirrors the Netscape importer's walk
// over the browser's HTML export, list by list: a list's links first, then
// each of its folders as a heading followed by the folder's own list, with
// the same level bookkeeping, so that both imports agree item for item.
#include "exchange/chromium_import.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "exchange/chromium_tree.h"
#include "exchange/import_file.h"
#include "exchange/import_outline.h"
#include "exchange/import_text.h"

namespace {

// Microseconds from 1601-01-01 to 1970-01-01.
constexpr uint64_t kUnixEpochMicroseconds = 11644473600ull * 1000000ull;

class ChromiumWalk {
 public:
  ChromiumWalk(BookmarkList& list, const ChromiumTree& tree, uint8_t rating)
      : tree_(tree), out_(list), rating_(rating) {}

  // The export's outermost list: the bar as a folder, then the contents of
  // "other" and of "synced".
  int Run() {
    ReserveText();
    std::vector<uint32_t> top;
    if (tree_.bar != kNoChromiumNode) top.push_back(tree_.bar);
    for (uint32_t root : {tree_.other, tree_.synced})
      if (root != kNoChromiumNode)
        for (uint32_t c = tree_.nodes[root].firstChild; c != kNoChromiumNode; c = Next(c))
          top.push_back(c);
    for (uint32_t node : top)
      if (IsLink(node) && node != tree_.bar) AddLink(node);
    for (uint32_t node : top)
      if (IsFolder(node) || node == tree_.bar) AddFolder(node, 0);
    return kImportOk;
  }

 private:
  uint32_t Next(uint32_t node) const { return tree_.nodes[node].nextSibling; }
  bool IsLink(uint32_t node) const { return tree_.nodes[node].kind == ChromiumNode::Kind::kUrl; }
  bool IsFolder(uint32_t node) const {
    return tree_.nodes[node].kind == ChromiumNode::Kind::kFolder;
  }

  // A folder heading in the list at depth, then the folder's own list one
  // deeper. The reader's nesting limit bounds the recursion.
  void AddFolder(uint32_t folder, int depth) {
    const ChromiumNode& node = tree_.nodes[folder];
    std::string_view title = node.name;
    if (folder == tree_.bar && title.empty()) title = kChromiumBarTitle;
    currentLevel_ = std::min(depth, 1);
    out_.Append(NewContainer(currentLevel_, CutTitle(DecodeUtf8ToAnsi(title))));
    int inner = depth + 1;
    for (uint32_t c = node.firstChild; c != kNoChromiumNode; c = Next(c))
      if (IsLink(c)) AddLink(c);
    for (uint32_t c = node.firstChild; c != kNoChromiumNode; c = Next(c))
      if (IsFolder(c)) AddFolder(c, inner);
    // The end of the folder's list, as the Netscape walk counts it.
    currentLevel_ = depth >= 2 ? 1 : std::max(currentLevel_ - 1, -1);
  }

  // Room for every item's line at once, rather than the line table growing
  // and copying itself many times over.
  void ReserveText() {
    constexpr size_t kLineFields = 64;  // the other fields and separators of a line
    size_t bytes = 0;
    for (const ChromiumNode& node : tree_.nodes)
      bytes += node.name.size() + node.url.size() + kLineFields;
    out_.List().ReserveLineText(bytes);
  }

  void AddLink(uint32_t link) {
    const ChromiumNode& node = tree_.nodes[link];
    BookmarkItem item = NewLink(rating_);
    item.title = CutTitle(DecodeUtf8ToAnsi(node.name));
    item.url = DecodeUtf8ToAnsi(node.url);
    item.timeAdded = ChromiumTimeToListTime(node.dateAdded);
    out_.FillBeforeLink(&currentLevel_);
    out_.Append(item);
  }

  const ChromiumTree& tree_;
  ImportAppender out_;
  uint8_t rating_;
  int currentLevel_ = -1;
};

}  // namespace

uint32_t ChromiumTimeToListTime(uint64_t microseconds) {
  if (microseconds < kUnixEpochMicroseconds) return 0;
  uint64_t seconds = (microseconds - kUnixEpochMicroseconds) / 1000000u;
  return seconds > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(seconds);
}

int ImportChromiumText(BookmarkList& list, std::string_view text, uint8_t rating) {
  try {
    ChromiumTree tree;
    if (!ReadChromiumTree(text, &tree)) return kImportFailed;
    ChromiumWalk walk(list, tree, rating);
    return walk.Run();
  } catch (const std::exception&) {
    return kImportFailed;  // no memory
  }
}

int ImportChromiumBookmarks(BookmarkList& list, const std::string& path, uint8_t rating) {
  return ImportFromFile(list, path, rating, ImportFileText::kBytes, ImportChromiumText);
}
