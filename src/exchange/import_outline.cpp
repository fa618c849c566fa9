#include "exchange/import_outline.h"

#include "list/item_codec.h"
#include "platform/platform.h"

ImportAppender::ImportAppender(BookmarkList& list) : list_(list) {
  // The last items already in the list decide the first parents; a
  // category's parent is always the root.
  bool known[3] = {true, false, false};
  for (uint16_t i = list_.Prev(kRootIndex, false); i != 0 && !(known[1] && known[2]);
       i = list_.Prev(i, false)) {
    for (int level = 1; level <= 2; ++level) {
      if (!known[level] && list_.Level(i) < level) {
        parentOf_[level] = i;
        known[level] = true;
      }
    }
  }
}

uint16_t ImportAppender::ParentFor(int level) const {
  return level >= 0 && level <= 2 ? parentOf_[level] : 0;
}

bool ImportAppender::CanHold(int level) const {
  if (level <= 0) return true;
  uint16_t parent = parentOf_[level];
  return parent != 0 && list_.Level(parent) == level - 1 &&
         !(list_.Link(parent).flags & (kFlagSeparator | kFlagDeleted));
}

uint16_t ImportAppender::Append(const BookmarkItem& item) {
  if (list_.full || item.level < 0 || item.level > 2) return 0;
  // An item needs a live container one level up; where the walk left none
  // (a separator or a gap in the levels before it), fillers stand in, so
  // the outline never needs repair.
  if (!MakeRoomFor(item.level)) return 0;
  return AppendAt(item);
}

bool ImportAppender::MakeRoomFor(int level) {
  int from = level;
  while (!CanHold(from)) --from;
  for (int filler = from; filler < level; ++filler) {
    uint16_t index = AppendAt(NewContainer(filler, kFillerTitle));
    if (index == 0) return false;
    lastFiller_ = index;
  }
  return true;
}

uint16_t ImportAppender::AppendAt(const BookmarkItem& item) {
  uint16_t index = list_.AddItemWithParent(kRootIndex, item, 0, ParentFor(item.level));
  if (index != 0)
    for (int level = item.level + 1; level <= 2; ++level) parentOf_[level] = index;
  return index;
}

uint16_t ImportAppender::AppendFiller(int level) {
  return Append(NewContainer(level, kFillerTitle));
}

void ImportAppender::FillBeforeLink(int* currentLevel) {
  if (*currentLevel < -1) *currentLevel = -1;
  while (*currentLevel < 1) {
    ++*currentLevel;
    AppendFiller(*currentLevel);
  }
}

BookmarkItem NewLink(uint8_t rating) {
  BookmarkItem item;
  item.level = kLevelBookmark;
  item.flags = kFlagBookmark;
  item.rating = rating;
  return item;
}

BookmarkItem NewSeparator(int level) {
  BookmarkItem item;
  item.level = static_cast<int8_t>(level);
  item.flags = kFlagSeparator;
  return item;
}

BookmarkItem NewContainer(int level, std::string title) {
  BookmarkItem item;
  item.level = static_cast<int8_t>(level);
  item.title = std::move(title);
  return item;
}

std::string CutTitle(std::string title) {
  if (title.size() <= kMaxImportedTitle) return title;
  size_t cut = 0;
  while (cut < kMaxImportedTitle) {
    size_t step = platform::IsLeadByte(static_cast<unsigned char>(title[cut])) ? 2 : 1;
    if (cut + step > kMaxImportedTitle) break;
    cut += step;
  }
  title.resize(cut);
  return title;
}

std::string TrimmedNote(std::string_view text) { return TrimText(text); }

uint32_t ReadDecimal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  return ParseUnsigned(text.substr(i));
}
