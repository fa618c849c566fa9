// Older layouts of the stored settings and how they are brought forward
// while loading, plus the small value rules of the store. Pure functions
// over the settings record; the registry side lives in the store.
#pragma once

#include <cstdint>

#include "settings/settings.h"

// BehaviourFlags bits 6, 7, 12 and 13: window state that is now kept per
// family in WindowFlags (6 and 7 keep at front, 12 notes window open).
constexpr uint32_t kMovedBehaviourBits = 0x3000 | 0xC0;
// Older flag: the single search option set also applied to simple searches.
constexpr uint32_t kOldSimpleUsesAdvanced = 0x00400000;
// Bits never written ("Preferences" is saved without them).
constexpr uint32_t kUnsavedBehaviourBits = 0xF0000000;

// A family's WindowFlags taken from the older BehaviourFlags bits, for a
// user key that has no "Prefs Regular"/"Prefs Compact" value yet.
uint32_t WindowFlagsFromBehaviour(uint32_t behaviourFlags, int family);

// The single window-position values of the older layout, in migration
// order: the first six go to positions 0-5 of the Regular family (and are
// copied to the Compact family), the last to position 0 of the Compact one.
constexpr int kOldWinPosCount = 7;
extern const char* const kOldWinPosNames[kOldWinPosCount];
// Applies one old position value (index into kOldWinPosNames). Apply them in
// order so that "WinPos Mini" wins position 0 of the Compact family.
void ApplyOldWindowPosition(Settings* settings, int oldIndex, const Rect& rect);

// After reading "Colors": an older table of exactly seven colours gains the
// text colour (black) at position 4; colours 4-6 move to 5-7.
void ApplyColorsRead(Settings* settings, int countRead);

// With no "Search Presets" stored: the older single option set becomes
// preset 0, and preset 1 too when the older flag says simple searches used
// it; the flag is cleared.
void ApplyOldSearchOptions(Settings* settings, const StoredSearchOptions& options);

// Keeps currentListIndex inside the list (0 when there is none).
void ClampCurrentList(Settings* settings);
