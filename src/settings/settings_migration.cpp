#include "settings/settings_migration.h"

const char* const kOldWinPosNames[kOldWinPosCount] = {
    "WinPos Maxi", "WinPos Note",     "WinPos List", "WinPos Search",
    "WinPos Tips", "WinPos Checking", "WinPos Mini"};

uint32_t WindowFlagsFromBehaviour(uint32_t behaviourFlags, int family) {
  uint32_t keepAtFrontBit = family == kFamilyCompact ? 0x80 : 0x40;
  uint32_t flags = 0;
  if (behaviourFlags & keepAtFrontBit) flags |= kWindowKeepAtFront;
  if (behaviourFlags & 0x1000) flags |= kWindowNotesOpen;
  return flags;
}

void ApplyOldWindowPosition(Settings* settings, int oldIndex, const Rect& rect) {
  auto& regular = settings->windowPositions[kFamilyRegular];
  auto& compact = settings->windowPositions[kFamilyCompact];
  if (oldIndex == kOldWinPosCount - 1) {
    compact[kWinPosMain] = rect;
    return;
  }
  Rect position = rect;
  // Dialogs keep their size; only where they stood matters.
  if (oldIndex >= kWinPosSearch) {
    position.right = position.left + 1;
    position.bottom = position.top + 1;
  }
  regular[oldIndex] = position;
  compact[oldIndex] = position;
}

void ApplyColorsRead(Settings* settings, int countRead) {
  if (countRead != 7) return;
  auto& colors = settings->colors;
  colors[7] = colors[6];
  colors[6] = colors[5];
  colors[5] = colors[4];
  colors[4] = 0x000000;
}

void ApplyOldSearchOptions(Settings* settings, const StoredSearchOptions& options) {
  auto& presets = settings->searchPresets;
  if (presets.size() < 2) presets = Settings::DefaultSearchPresets();
  presets[0].options = options;
  if (settings->behaviourFlags & kOldSimpleUsesAdvanced) presets[1].options = options;
  settings->behaviourFlags &= ~kOldSimpleUsesAdvanced;
}

void ClampCurrentList(Settings* settings) {
  int last = static_cast<int>(settings->lists.size()) - 1;
  if (settings->currentListIndex > last) settings->currentListIndex = last;
  if (settings->currentListIndex < 0) settings->currentListIndex = 0;
}
