#include "settings/program_hot_keys.h"

#include <gtest/gtest.h>

TEST(ProgramHotKeys, ControlFlagsBecomeRegistrationModifiers) {
  const struct {
    uint32_t value;
    uint32_t modifiers;
    uint32_t virtualKey;
  } cases[] = {
      {0, 0, 0},                                        // no hot key
      {0x646, kModifierControl | kModifierAlt, 'F'},    // Ctrl+Alt+F
      {0x6BF, kModifierControl | kModifierAlt, 0xBF},   // Ctrl+Alt+/
      {0x141, kModifierShift, 'A'},                     // Shift+A
      {0x241, kModifierControl, 'A'},                   // Ctrl+A
      {0x441, kModifierAlt, 'A'},                       // Alt+A
      {0x870, kModifierWin, 0x70},                      // Win+F1
      {0x35A, kModifierShift | kModifierControl, 'Z'},  // Ctrl+Shift+Z
      {0xF5A, kModifierAlt | kModifierControl | kModifierShift | kModifierWin, 'Z'},
      {0x7F0646, kModifierControl | kModifierAlt, 'F'},  // bits above 15 are no flags
      {0xF046, 0, 'F'},                                  // unknown flags are dropped
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const HotKeyBinding binding = HotKeyBindingOf(cases[i].value);
    EXPECT_EQ(binding.modifiers, cases[i].modifiers) << "case " << i;
    EXPECT_EQ(binding.virtualKey, cases[i].virtualKey) << "case " << i;
  }
}
