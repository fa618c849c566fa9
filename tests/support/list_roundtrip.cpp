#include "list_roundtrip.h"

#include <vector>

#include "list/bookmark_list.h"
#include "list/list_file.h"
#include "platform/platform.h"

namespace {

constexpr uint32_t kWalkedItems = 2000;  // per-item checks on the first items only

bool Loaded(ListResult r) {
  return r == ListResult::ReadWrite || r == ListResult::ReadOnly || r == ListResult::NeedsRepair ||
         r == ListResult::Full;
}

ListResult Open(BookmarkList& list, const std::string& path) {
  ListResult header = ReadHeader(list, path);
  if (!HeaderAllowsLoading(header)) return header;
  ListResult load = LoadLines(list, 0);
  list.file.Close();
  return load;
}

// Walks the outline the ways the program does.
std::string Walk(BookmarkList& list) {
  uint32_t count = 0;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) {
    if (++count > list.itemCount) return "the ring does not come back to the root";
    if (list.Link(list.Link(i).next).prev != i) return "prev and next disagree";
    if (count > kWalkedItems) continue;
    list.SubtreeEnd(i, true);
    list.PrevSibling(i, true);
    list.AncestorPath(i);
    list.CountChildren(i);
    list.TestFlags(i, kFlagBookmark | kFlagMarked);
    const BookmarkItem& r = list.Decode(i, true);
    if (r.index != list.Target(i)) return "decode reached the wrong item";
  }
  std::vector<uint16_t> categories = list.columns[0].entries;  // refilled below
  for (uint16_t category : categories) {
    list.FillColumn(0, category);
    list.FillColumn(1, list.columns[1].entries.empty() ? 0 : list.columns[1].entries.front());
    list.columns[1].selected = list.columns[1].entries.empty() ? -1 : 0;
    list.FillColumn(2, 0);
  }
  return std::string();
}

}  // namespace

std::string CheckListRoundTrip(const std::string& bytes, const std::string& folder) {
  std::string path = folder + "/input.bkl";
  std::string again = folder + "/again.bkl";
  if (platform::WriteWholeFile(path.c_str(), bytes) != 0) return "cannot write " + path;
  BookmarkList list;
  ListResult result = Open(list, path);
  std::string read;
  if (platform::ReadWholeFile(path.c_str(), &read) != 0 || read != bytes)
    return "loading changed the file";
  if (!Loaded(result)) return std::string();
  std::string problem = Walk(list);
  if (!problem.empty()) return problem;

  std::string first;
  if (RenderList(list, &first) != WriteResult::Ok) return "the loaded list could not be written";
  if (platform::WriteWholeFile(again.c_str(), first) != 0) return "cannot write " + again;
  BookmarkList reloaded;
  ListResult second = Open(reloaded, again);
  if (!Loaded(second)) return std::string("the written list does not load: ") + ResultName(second);
  if (second == ListResult::Full && reloaded.linesLeftUnread) return "the written list is too long";
  std::string twice;
  if (RenderList(reloaded, &twice) != WriteResult::Ok)
    return "the reloaded list could not be written";
  if (twice != first) return "loading and writing again changed the list";
  return std::string();
}
