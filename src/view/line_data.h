// What a column line needs to be drawn: the colour index and the marker
// bits of an item, and the text shown for it.
#pragma once

#include <cstdint>
#include <string>

class BookmarkList;

// LineData bits above the colour index (bits 0-15).
constexpr uint32_t kLineColorMask = 0xFFFF;
constexpr uint32_t kLineHasNotes = 0x10000;
constexpr uint32_t kLineHasLogin = 0x20000;
constexpr uint32_t kLineSeparator = 0x40000;
constexpr uint32_t kLineBold = 0x80000;
constexpr uint32_t kLineOverflow = 0x100000;  // set by drawing: the text did not fit

// Colour-table entries used for lines.
constexpr uint32_t kColorRecentVisit = 2;
constexpr uint32_t kColorMarked = 3;
constexpr uint32_t kColorNotMatch = 7;

// highlightingMatches: search matches are being shown by highlighting.
uint32_t ComputeLineData(const BookmarkList& list, uint16_t index, bool highlightingMatches);
// The title shown for an item (an alias shows its target's).
std::string LineText(BookmarkList& list, uint16_t index);
