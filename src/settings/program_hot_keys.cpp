#include "settings/program_hot_keys.h"

HotKeyBinding HotKeyBindingOf(uint32_t value) {
  static const struct {
    uint32_t flag;
    uint32_t modifier;
  } kConversion[] = {
      {kHotKeyFlagAlt, kModifierAlt},
      {kHotKeyFlagShift, kModifierShift},
      {kHotKeyFlagControl, kModifierControl},
      {kHotKeyFlagExtended, kModifierWin},
  };
  HotKeyBinding binding;
  binding.virtualKey = value & 0xFF;
  const uint32_t flags = (value >> 8) & 0xFF;
  for (const auto& row : kConversion)
    if (flags & row.flag) binding.modifiers |= row.modifier;
  return binding;
}
