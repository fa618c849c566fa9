// What the preferences pages edit, apart from their windows: the boxes of
// the Behavior page and the bits they set, the values of the Presentation
// and Hot Keys pages, and the working copies of the lists and the browsers
// with the checks that stop an incomplete entry. Each page keeps one of
// these as its working copy and writes it into the settings on Apply.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"

namespace prefs {

// One check box of the Behavior page and the BehaviourFlags bit it sets.
struct BehaviourBox {
  int controlId;
  uint32_t bit;
};
// Every box of the Behavior page that sets one behaviour bit.
const std::vector<BehaviourBox>& BehaviourBoxes();

// QuickLogin delay slider: 0 to 1000 ms, a tick every 100.
constexpr uint32_t kMaxQuickLoginDelay = 1000;
constexpr uint32_t kQuickLoginDelayTick = 100;
// "Simultaneous checks" box: 1 checks one bookmark at a time.
constexpr uint32_t kMaxSimultaneousChecks = 64;

// The Behavior page's values.
struct BehaviourValues {
  uint32_t behaviourFlags = 0;  // the bits of BehaviourBoxes and the dock bits
  std::array<bool, kFamilyCount> keepAtFront = {false, false};
  bool autoDock = false;   // "A&uto-dock:"
  bool dockBelow = false;  // "b&elow" (else "at &side")
  uint32_t quickLoginDelay = 0;
  uint32_t simultaneousChecks = kDefaultSimultaneousChecks;
};
bool operator==(const BehaviourValues& a, const BehaviourValues& b);
BehaviourValues ReadBehaviourValues(const Settings& settings);
// Clearing "A&uto-dock:" clears both dock bits whatever side was chosen;
// the delay and the number of checks are brought into their ranges.
void WriteBehaviourValues(const BehaviourValues& values, Settings* settings);

// The Presentation page's values.
struct PresentationValues {
  bool flatStyle = false;
  bool customFont = false;
  std::string fontFace;
  std::string fontSizeText;  // points, as the size box shows them ("%g")
  std::array<uint32_t, kColorCount> colors = {};
  uint32_t recentPeriod = 0;
  uint32_t maxSmartItems = 0;
};
bool operator==(const PresentationValues& a, const PresentationValues& b);
PresentationValues ReadPresentationValues(const Settings& settings);
// An empty face or size (or a size that is not a positive number) turns the
// custom font off.
void WritePresentationValues(const PresentationValues& values, Settings* settings);
// Tenths of a point shown as points with "%g" ("" for 0), and read back
// (0 when the text is no positive number).
std::string FontSizeText(uint32_t tenths);
uint32_t FontSizeTenths(const std::string& text);
// The eight colours of a fresh installation ("&Restore defaults").
std::array<uint32_t, kColorCount> DefaultColors();
// What "&Set defaults" fills in on the Hot Keys page: Ctrl+Alt with "/",
// F, N and L.
std::array<uint32_t, kHotKeyCount> DefaultHotKeys();

// A list entry without a name or a path: the message that says so
// (IDS_ENTRY_NAME_MISSING with the path, IDS_ENTRY_PATH_MISSING with the
// name) and the entry; messageId 0 when every entry is complete.
struct EntryProblem {
  int messageId = 0;
  int index = -1;
  std::string argument;
};

// The working copy of the lists or the browsers: the entries in menu
// order, each remembering where it stood before the edits (so that the
// open lists and the default browser can follow a reordering), and the
// entry the program tracks (the current list, the default browser).
template <class Entry>
class EntryWorkingCopy {
 public:
  EntryWorkingCopy(const std::vector<Entry>& entries, int tracked);

  const std::vector<Entry>& Entries() const { return entries_; }
  int Count() const { return static_cast<int>(entries_.size()); }
  Entry& At(int index) { return entries_[static_cast<size_t>(index)]; }
  // The tracked entry's position now; -1 when it was removed or none is.
  int Tracked() const { return tracked_; }
  void SetTracked(int index) { tracked_ = index; }
  // Moves the entry at from to position to (a drag in the list box).
  void Move(int from, int to);
  void Remove(int index);
  // Appends a new entry; its position.
  int Append(const Entry& entry);
  // Where the entry that stood at original before the edits stands now;
  // -1 when it was removed.
  int NewIndexOf(int original) const;
  EntryProblem FindIncomplete() const;

 private:
  std::vector<Entry> entries_;
  std::vector<int> origins_;  // -1 for an entry added since
  int tracked_;
};

using ListWorkingCopy = EntryWorkingCopy<KnownListEntry>;
using BrowserWorkingCopy = EntryWorkingCopy<BrowserEntry>;

// The Bookmark Lists page gives the entry at index the path chosen with its
// browse button. An entry added blank whose path is that of another entry
// is dropped and the other one chosen instead; a blank name becomes the
// file's name without its extension. Returns the entry now chosen.
int ChooseListPath(ListWorkingCopy* lists, int index, const std::string& path);

}  // namespace prefs
