// Every placement rule of the docked notes window, on one work area.
#include "view/notes_docking.h"

#include <gtest/gtest.h>

namespace {

struct DockCase {
  const char* name;
  int mode;
  Rect main;
  int width, height;
  DockPlace place;
  int left, top;
};

// The work area starts below a 20-pixel bar, so that a top clamped to it
// differs from 0; its centre is at (500, 410).
constexpr Rect kWork = {0, 20, 1000, 800};

const DockCase kCases[] = {
    {"side: room on the right, upper half",
     kDockSide,
     {100, 100, 500, 400},
     300,
     200,
     DockPlace::kRight,
     500,
     100},
    {"side: lower half lines up the bottoms",
     kDockSide,
     {100, 500, 500, 750},
     300,
     200,
     DockPlace::kRight,
     500,
     550},
    {"side: lower half, a tall window stops at the work area's top",
     kDockSide,
     {100, 450, 500, 600},
     300,
     700,
     DockPlace::kRight,
     500,
     20},
    {"side: main window at the right edge goes left",
     kDockSide,
     {750, 100, 1000, 400},
     300,
     200,
     DockPlace::kLeft,
     450,
     100},
    {"side: left, lower half",
     kDockSide,
     {750, 500, 1000, 780},
     300,
     200,
     DockPlace::kLeft,
     450,
     580},
    {"side: no room either side goes below, left half",
     kDockSide,
     {100, 100, 900, 400},
     300,
     200,
     DockPlace::kBelow,
     100,
     400},
    {"side: below, right half lines up the right edges",
     kDockSide,
     {150, 100, 950, 400},
     300,
     200,
     DockPlace::kBelow,
     650,
     400},
    {"side: no room below goes above",
     kDockSide,
     {100, 650, 900, 780},
     300,
     200,
     DockPlace::kAbove,
     100,
     450},
    {"side: no room anywhere is centred",
     kDockSide,
     {50, 30, 950, 790},
     300,
     200,
     DockPlace::kCentred,
     350,
     310},
    {"below: room below", kDockBelow, {100, 100, 500, 400}, 300, 200, DockPlace::kBelow, 100, 400},
    {"below: no room below goes above, right half",
     kDockBelow,
     {600, 500, 900, 700},
     300,
     200,
     DockPlace::kAbove,
     600,
     300},
    {"below: neither below nor above goes right",
     kDockBelow,
     {100, 100, 500, 700},
     300,
     300,
     DockPlace::kRight,
     500,
     100},
    {"below: neither fits, no room right goes left",
     kDockBelow,
     {400, 100, 1000, 700},
     300,
     300,
     DockPlace::kLeft,
     100,
     100},
};

TEST(NotesDocking, PlacesTheWindowByEveryRule) {
  for (size_t i = 0; i < sizeof kCases / sizeof kCases[0]; ++i) {
    const DockCase& c = kCases[i];
    SCOPED_TRACE(testing::Message() << "case " << i << ": " << c.name);
    DockResult result = DockNotesWindow(c.mode, c.main, kWork, c.width, c.height);
    EXPECT_EQ(static_cast<int>(result.place), static_cast<int>(c.place));
    EXPECT_EQ(result.left, c.left);
    EXPECT_EQ(result.top, c.top);
  }
}

}  // namespace
