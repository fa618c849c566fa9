// The "modified" state of a list, which also counts its changes: the
// autosave puts a question the user declined off until the next change,
// and that change has to be seen even while the list stays modified.
#pragma once

#include <cstdint>

class ChangeFlag {
 public:
  // Setting it counts one change; clearing it (a save, a fresh reading)
  // keeps the count.
  ChangeFlag& operator=(bool changed) {
    changed_ = changed;
    if (changed) ++changes_;
    return *this;
  }
  // Read as the plain flag everywhere the list's state is tested.
  operator bool() const { return changed_; }  // NOLINT(google-explicit-constructor)
  // How many times the list was marked changed since it was made.
  uint32_t Changes() const { return changes_; }

 private:
  bool changed_ = false;
  uint32_t changes_ = 0;
};
