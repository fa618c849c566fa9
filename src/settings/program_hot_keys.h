// The program's four global hot keys: the value the hot-key control reports
// (and the settings keep under "Hot Keys") and what RegisterHotKey takes.
#pragma once

#include <cstdint>

// The actions, in the order of the settings' "Hot Keys" values; each is
// also the id the hot key is registered under.
enum ProgramHotKey : int {
  kHotKeyActivate = 0,   // "Acti&vate Vellox:"
  kHotKeyFetch = 1,      // "&Bookmark current page:"
  kHotKeyOpenNew = 2,    // "&Open new bookmark:"
  kHotKeyFillLogin = 3,  // "Fill out &log-in form:"
};

// The hot-key control's modifier flags (bits 8-15 of a stored value).
constexpr uint32_t kHotKeyFlagShift = 0x1;
constexpr uint32_t kHotKeyFlagControl = 0x2;
constexpr uint32_t kHotKeyFlagAlt = 0x4;
constexpr uint32_t kHotKeyFlagExtended = 0x8;
// RegisterHotKey's modifiers.
constexpr uint32_t kModifierAlt = 0x1;
constexpr uint32_t kModifierControl = 0x2;
constexpr uint32_t kModifierShift = 0x4;
constexpr uint32_t kModifierWin = 0x8;

struct HotKeyBinding {
  uint32_t modifiers = 0;   // kModifier... bits
  uint32_t virtualKey = 0;  // 0: no hot key
};

// A stored value (bits 0-7 the virtual key, bits 8-15 the control's
// flags; 0 = none) as RegisterHotKey's modifiers and key. The extended-key
// flag stands for the Windows key.
HotKeyBinding HotKeyBindingOf(uint32_t value);
