#include "settings/preference_values.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "resources/resource.h"

namespace prefs {

namespace {

// Paths are compared as Windows compares them: ignoring case.
bool SamePathText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The file name of a path without its folder and extension.
std::string FileTitle(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

const std::vector<BehaviourBox>& BehaviourBoxes() {
  static const std::vector<BehaviourBox> boxes = {
      {IDC_USE_TRAY, kBehaviourUseTray},
      {IDC_START_MINIMIZED, kBehaviourStartMinimized},
      {IDC_MESSAGE_HELP, kBehaviourMenuHelp},
      {IDC_AUTO_MINIMIZE, kBehaviourAutoMinimize},
      {IDC_NEW_TAB_DEFAULT, kBehaviourNewTabDefault},
      {IDC_ONE_CLICK_OPEN, kBehaviourOneClickOpen},
      {IDC_NO_READ_ONLY_WARNING, kBehaviourNoReadOnlyWarning},
      {IDC_REMEMBER_PASSWORDS, kBehaviourRememberPasswords},
      {IDC_SHOW_TIPS, kBehaviourShowTips},
      {IDC_TYPE_TO_SEARCH, kBehaviourTypeToSearch},
      {IDC_NO_DUE_ALERTS, kBehaviourNoDueAlerts},
      {IDC_AUTO_OPEN_UNIQUE, kBehaviourAutoOpenUnique},
      {IDC_AUTO_HIDE_NOTES, kBehaviourAutoHideNotes},
  };
  return boxes;
}

bool operator==(const BehaviourValues& a, const BehaviourValues& b) {
  return a.behaviourFlags == b.behaviourFlags && a.keepAtFront == b.keepAtFront &&
         a.autoDock == b.autoDock && (!a.autoDock || a.dockBelow == b.dockBelow) &&
         a.quickLoginDelay == b.quickLoginDelay && a.simultaneousChecks == b.simultaneousChecks;
}

BehaviourValues ReadBehaviourValues(const Settings& settings) {
  BehaviourValues values;
  for (const BehaviourBox& box : BehaviourBoxes())
    values.behaviourFlags |= settings.behaviourFlags & box.bit;
  for (int family = 0; family < kFamilyCount; ++family)
    values.keepAtFront[family] = settings.HasWindowFlag(family, kWindowKeepAtFront);
  const uint32_t dock = settings.behaviourFlags & kBehaviourDockMask;
  values.autoDock = dock != 0;
  values.dockBelow = dock == kBehaviourDockBelow;
  values.quickLoginDelay = std::min(settings.quickLoginDelay, kMaxQuickLoginDelay);
  values.simultaneousChecks = settings.simultaneousChecks;
  return values;
}

void WriteBehaviourValues(const BehaviourValues& values, Settings* settings) {
  uint32_t flags = settings->behaviourFlags & ~kBehaviourDockMask;
  for (const BehaviourBox& box : BehaviourBoxes())
    flags = (flags & ~box.bit) | (values.behaviourFlags & box.bit);
  if (values.autoDock) flags |= values.dockBelow ? kBehaviourDockBelow : kBehaviourDockSide;
  settings->behaviourFlags = flags;
  for (int family = 0; family < kFamilyCount; ++family) {
    uint32_t& word = settings->windowFlags[family];
    word = values.keepAtFront[family] ? (word | kWindowKeepAtFront) : (word & ~kWindowKeepAtFront);
  }
  settings->quickLoginDelay = std::min(values.quickLoginDelay, kMaxQuickLoginDelay);
  settings->simultaneousChecks =
      std::clamp<uint32_t>(values.simultaneousChecks, 1, kMaxSimultaneousChecks);
}

bool operator==(const PresentationValues& a, const PresentationValues& b) {
  return a.flatStyle == b.flatStyle && a.customFont == b.customFont && a.fontFace == b.fontFace &&
         a.fontSizeText == b.fontSizeText && a.colors == b.colors &&
         a.recentPeriod == b.recentPeriod && a.maxSmartItems == b.maxSmartItems;
}

std::string FontSizeText(uint32_t tenths) {
  if (tenths == 0) return "";
  char text[32];
  std::snprintf(text, sizeof text, "%g", tenths / 10.0);
  return text;
}

uint32_t FontSizeTenths(const std::string& text) {
  const char* start = text.c_str();
  char* end = nullptr;
  const double points = std::strtod(start, &end);
  if (end == start || points <= 0 || points > 1000) return 0;
  while (*end == ' ') ++end;
  if (*end != '\0') return 0;
  return static_cast<uint32_t>(points * 10 + 0.5);
}

PresentationValues ReadPresentationValues(const Settings& settings) {
  PresentationValues values;
  values.flatStyle = settings.HasBehaviour(kBehaviourFlatStyle);
  values.customFont = settings.HasBehaviour(kBehaviourCustomFont);
  values.fontFace = settings.fontFace;
  values.fontSizeText = FontSizeText(settings.fontSize);
  values.colors = settings.colors;
  values.recentPeriod = settings.recentPeriod;
  values.maxSmartItems = settings.maxSmartItems;
  return values;
}

void WritePresentationValues(const PresentationValues& values, Settings* settings) {
  uint32_t& flags = settings->behaviourFlags;
  flags = values.flatStyle ? (flags | kBehaviourFlatStyle) : (flags & ~kBehaviourFlatStyle);
  const uint32_t tenths = FontSizeTenths(values.fontSizeText);
  const bool custom = values.customFont && !values.fontFace.empty() && tenths != 0;
  flags = custom ? (flags | kBehaviourCustomFont) : (flags & ~kBehaviourCustomFont);
  // The face and size stay stored when the standard font is chosen, ready
  // for the next time.
  if (!values.fontFace.empty()) settings->fontFace = values.fontFace;
  if (tenths != 0) settings->fontSize = tenths;
  settings->colors = values.colors;
  settings->recentPeriod = values.recentPeriod;
  settings->maxSmartItems = values.maxSmartItems;
}

std::array<uint32_t, kColorCount> DefaultColors() { return Settings().colors; }

std::array<uint32_t, kHotKeyCount> DefaultHotKeys() { return {0x6BF, 0x646, 0x64E, 0x64C}; }

template <class Entry>
EntryWorkingCopy<Entry>::EntryWorkingCopy(const std::vector<Entry>& entries, int tracked)
    : entries_(entries),
      tracked_(tracked >= 0 && tracked < static_cast<int>(entries.size()) ? tracked : -1) {
  for (size_t i = 0; i < entries_.size(); ++i) origins_.push_back(static_cast<int>(i));
}

template <class Entry>
void EntryWorkingCopy<Entry>::Move(int from, int to) {
  const int count = Count();
  if (from < 0 || from >= count || to < 0 || to >= count || from == to) return;
  auto rotate = [&](auto& items) {
    if (from < to)
      std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
    else
      std::rotate(items.begin() + to, items.begin() + from, items.begin() + from + 1);
  };
  rotate(entries_);
  rotate(origins_);
  if (tracked_ == from)
    tracked_ = to;
  else if (from < tracked_ && tracked_ <= to)
    --tracked_;
  else if (to <= tracked_ && tracked_ < from)
    ++tracked_;
}

template <class Entry>
void EntryWorkingCopy<Entry>::Remove(int index) {
  if (index < 0 || index >= Count()) return;
  entries_.erase(entries_.begin() + index);
  origins_.erase(origins_.begin() + index);
  if (tracked_ == index)
    tracked_ = -1;
  else if (tracked_ > index)
    --tracked_;
}

template <class Entry>
int EntryWorkingCopy<Entry>::Append(const Entry& entry) {
  entries_.push_back(entry);
  origins_.push_back(-1);
  return Count() - 1;
}

template <class Entry>
int EntryWorkingCopy<Entry>::NewIndexOf(int original) const {
  if (original < 0) return -1;
  for (size_t i = 0; i < origins_.size(); ++i)
    if (origins_[i] == original) return static_cast<int>(i);
  return -1;
}

template <class Entry>
EntryProblem EntryWorkingCopy<Entry>::FindIncomplete() const {
  EntryProblem problem;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].name.empty()) {
      problem = {IDS_ENTRY_NAME_MISSING, static_cast<int>(i), entries_[i].path};
      break;
    }
    if (entries_[i].path.empty()) {
      problem = {IDS_ENTRY_PATH_MISSING, static_cast<int>(i), entries_[i].name};
      break;
    }
  }
  return problem;
}

template class EntryWorkingCopy<KnownListEntry>;
template class EntryWorkingCopy<BrowserEntry>;

int ChooseListPath(ListWorkingCopy* lists, int index, const std::string& path) {
  if (index < 0 || index >= lists->Count()) return index;
  for (int i = 0; i < lists->Count(); ++i) {
    if (i == index || !SamePathText(lists->Entries()[static_cast<size_t>(i)].path, path)) continue;
    const KnownListEntry& chosen = lists->Entries()[static_cast<size_t>(index)];
    if (!chosen.path.empty() || !chosen.name.empty()) break;
    lists->Remove(index);
    return i < index ? i : i - 1;
  }
  KnownListEntry& entry = lists->At(index);
  entry.path = path;
  if (entry.name.empty()) entry.name = FileTitle(path);
  return index;
}

}  // namespace prefs
