// The two list slots of the application object and the opening of a list
// into them. This is the start-up's view; the full opening procedure
// (sharing modes, read-only fallback, conversion, repair, passwords) lives
// with the list file code and replaces the simple open below.
#pragma once

#include <cstdint>
#include <string>

struct ListSlots {
  // The list shown; empty path when none is open.
  std::string currentPath;
  std::string currentName;
  int currentListIndex = -1;
  int markHoldingListIndex = -1;
  bool readOnly = true;
  bool modified = false;
  uint32_t lastSaveTime = 0;

  bool HasCurrent() const { return !currentPath.empty(); }
  bool CurrentIsWritable() const { return HasCurrent() && !readOnly; }
  bool CurrentIsModified() const { return modified; }
  uint32_t SecondsSinceSave() const;
  // One step of the due-visit scan; true when it found a new due visit.
  bool ScanDueVisits() { return false; }
  bool DueVisitScanInProgress() const { return false; }
  void CloseAll();
};

// Opens the list file at path as the current list; false when it cannot be
// opened (the user has been told).
bool OpenListByPath(const std::string& path);
// Opens entry index of the known lists.
bool OpenKnownList(int index);
// The list's name as shown in the title: the known list's name, else the
// file name without its extension.
std::string ListNameFromPath(const std::string& path);
