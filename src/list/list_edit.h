// What the editing operations share: their result codes and the small
// outline questions they all ask.
#pragma once

#include <cstdint>

#include "list/bookmark_list.h"

constexpr int kEditOk = 0;
constexpr int kEditFailed = -1;    // refused, or nothing to work on
constexpr int kEditFull = -2;      // the list is full; nothing was changed
constexpr int kEditNoMemory = -4;  // the tables could not grow

// True while the item is linked into the outline (the root always is).
bool InRing(const BookmarkList& list, uint16_t index);
// A SmartFolder or the SmartFolders category itself (never an alias).
bool IsSmartContainer(const BookmarkList& list, uint16_t index);
// Where an item of this level goes when asked to go before `before`: in
// front of any deleted container of a lower level among the deleted items
// that directly precede it, so that a live item never lands under a
// deleted container. 0xFFFF when the item cannot stand
// there (its level would step down more than one from the item before it).
constexpr uint32_t kNoPlace = 0xFFFF;
uint32_t PlaceFor(const BookmarkList& list, int8_t level, uint16_t before);
// Refills the three columns, keeping each selection that is still shown.
void RefillColumns(BookmarkList& list);
// The item selected in the deepest column that has a selection, or 0.
uint16_t DeepestSelection(const BookmarkList& list);
