// The column list boxes through the real program: mouse messages posted
// to the boxes as the mouse would send them (client coordinates, the key
// state in wParam, the moves of a drag going to the box that holds the
// capture): dragging a bookmark onto another subcategory, Ctrl+drag for
// an alias, the wheel, and Ctrl+click marking.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e_windows.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr DWORD kTimeout = 20000;
constexpr int kExtraBookmarks = 30;

using e2e::SampleListSource;

// The sample list with kExtraBookmarks more bookmarks at the end of its
// last subcategory ("Travel and Languages"), so that one column scrolls;
// empty when the sample cannot be read.
std::string LongSampleBytes() {
  std::string text = e2e::SampleListBytes();
  size_t headerEnd = text.find("\r\n");
  if (headerEnd == std::string::npos) return std::string();
  // The header's second number is the highest ID handed out.
  text.replace(0, headerEnd, "VELLOXFL/A/0/500//");
  // The first one's title is far wider than its column.
  for (int n = 1; n <= kExtraBookmarks; ++n)
    text +=
        std::to_string(400 + n) + "\t3\t16\t1704067200\t\tExtra " + std::to_string(n) +
        (n == 1 ? std::string(" with a title much too long for the column it is shown in") : "") +
        "\thttp://example.com/" + std::to_string(n) + "\r\n";
  return text;
}

class LongSampleList : public e2e::TempList {
 public:
  LongSampleList() : TempList("E2E Columns", LongSampleBytes()) {}
};

// Short names for the many checks below.
std::vector<std::string> Lines(HWND box) { return e2e::ListBoxLines(box); }
std::string Text(HWND dialog, int id) { return e2e::ControlText(dialog, id); }

// The middle of a line, in the box's client coordinates.
POINT LinePoint(HWND box, int line) {
  int height = static_cast<int>(SendMessageA(box, LB_GETITEMHEIGHT, 0, 0));
  int top = static_cast<int>(SendMessageA(box, LB_GETTOPINDEX, 0, 0));
  return POINT{12, (line - top) * height + height / 2};
}

// A point of one window in the client coordinates of another.
POINT Convert(HWND from, HWND to, POINT p) {
  ClientToScreen(from, &p);
  ScreenToClient(to, &p);
  return p;
}

void Post(HWND box, UINT msg, WPARAM keys, POINT p) {
  PostMessageA(box, msg, keys, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
}

void Click(HWND box, int line, WPARAM keys = 0) {
  POINT p = LinePoint(box, line);
  Post(box, WM_LBUTTONDOWN, MK_LBUTTON | keys, p);
  Post(box, WM_LBUTTONUP, keys, p);
}

// Presses on a line of `from`, moves (through `from`, which holds the
// capture) onto a line of `onto`, and lets go there.
void Drag(HWND from, int line, HWND onto, int ontoLine, WPARAM keys) {
  POINT start = LinePoint(from, line);
  POINT target = Convert(onto, from, LinePoint(onto, ontoLine));
  POINT halfway = {(start.x + target.x) / 2, (start.y + target.y) / 2};
  Post(from, WM_LBUTTONDOWN, MK_LBUTTON | keys, start);
  Post(from, WM_MOUSEMOVE, MK_LBUTTON | keys, halfway);
  Post(from, WM_MOUSEMOVE, MK_LBUTTON | keys, target);
  Post(from, WM_LBUTTONUP, keys, target);
}

// The program takes a second press on the line it pressed last, within
// the double-click time, for a double-click. A press on the selected line
// of another column in between, which changes nothing there, keeps the
// next press on that line a click of its own however soon it follows.
void PressElsewhere(HWND otherBox) {
  Click(otherBox, static_cast<int>(SendMessageA(otherBox, LB_GETCURSEL, 0, 0)));
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  for (const std::string& l : lines)
    if (l == line) return true;
  return false;
}

class ListBoxTest : public e2e::FreshSettingsTest {
 protected:
  void SetUp() override {
    FreshSettingsTest::SetUp();
    ASSERT_TRUE(list_.Written()) << SampleListSource();
    ASSERT_TRUE(program_.Start(e2e::VelloxExePath(), "\"" + list_.Path() + "\""));
    main_ = e2e::WaitForMainTitled(program_.Id(), "E2E Columns - Vellox");
    ASSERT_NE(main_, nullptr);
    categories_ = GetDlgItem(main_, IDC_CATEGORY_LIST);
    subcategories_ = GetDlgItem(main_, IDC_SUBCATEGORY_LIST);
    bookmarks_ = GetDlgItem(main_, IDC_BOOKMARK_LIST);
  }
  void TearDown() override {
    program_.Stop();
    FreshSettingsTest::TearDown();
  }
  // Clicks a category and a subcategory and waits for the bookmarks.
  bool Open(int category, int subcategory, const std::string& firstBookmark) {
    Click(categories_, category);
    if (!e2e::WaitUntil([&] { return SendMessageA(categories_, LB_GETCURSEL, 0, 0) == category; },
                        kTimeout))
      return false;
    Click(subcategories_, subcategory);
    return e2e::WaitUntil(
        [&] {
          std::vector<std::string> lines = Lines(bookmarks_);
          return SendMessageA(subcategories_, LB_GETCURSEL, 0, 0) == subcategory &&
                 !lines.empty() && lines[0] == firstBookmark;
        },
        kTimeout);
  }

  LongSampleList list_;
  e2e::VelloxProcess program_;
  HWND main_ = nullptr;
  HWND categories_ = nullptr;
  HWND subcategories_ = nullptr;
  HWND bookmarks_ = nullptr;
};

TEST_F(ListBoxTest, DraggingABookmarkOntoAnotherSubcategoryMovesIt) {
  SendMessageA(main_, WM_COMMAND, ID_CMD_MODE_ORGANIZE, 0);
  ASSERT_TRUE(IsWindowVisible(GetDlgItem(main_, IDC_CATEGORY_TITLE))) << "Organize mode";
  // News / World News: Reuters, AP News, a separator, BBC News, Al Jazeera.
  ASSERT_TRUE(Open(1, 0, "Reuters"));
  Drag(bookmarks_, 0, subcategories_, 1, 0);  // onto Technology
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return !Lines(bookmarks_).empty() && Lines(bookmarks_)[0] == "AP News"; }, kTimeout))
      << Lines(bookmarks_).size();
  EXPECT_FALSE(Contains(Lines(bookmarks_), "Reuters"));
  EXPECT_EQ(SendMessageA(subcategories_, LB_GETCURSEL, 0, 0), 0) << "World News stays chosen";
  EXPECT_EQ(SendMessageA(bookmarks_, LB_GETCURSEL, 0, 0), LB_ERR)
      << "the source column loses its selection";

  // With Ctrl, AP News is aliased into Technology and stays here.
  PressElsewhere(categories_);
  Drag(bookmarks_, 0, subcategories_, 1, MK_CONTROL);
  Click(subcategories_, 1);
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        return SendMessageA(subcategories_, LB_GETCURSEL, 0, 0) == 1 &&
               Lines(bookmarks_).size() == 5;
      },
      kTimeout))
      << Lines(bookmarks_).size();
  EXPECT_EQ(Lines(bookmarks_), (std::vector<std::string>{"Ars Technica", "Hacker News", "The Verge",
                                                         "Reuters", "AP News"}));
  Click(subcategories_, 0);
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(subcategories_, LB_GETCURSEL, 0, 0) == 0; },
                             kTimeout));
  EXPECT_EQ(Lines(bookmarks_).size(), 4u);
  EXPECT_TRUE(Contains(Lines(bookmarks_), "AP News"));
  EXPECT_NE(e2e::WindowTitle(main_).find("Vellox"), std::string::npos);
}

TEST_F(ListBoxTest, RestingOnACategoryWhileDraggingOpensIt) {
  SendMessageA(main_, WM_COMMAND, ID_CMD_MODE_ORGANIZE, 0);
  ASSERT_TRUE(Open(1, 0, "Reuters"));  // News / World News
  POINT start = LinePoint(bookmarks_, 0);
  POINT overReference = Convert(categories_, bookmarks_, LinePoint(categories_, 2));
  // The display's own pointer rests where the posted moves go, so that a
  // move Wine reports by itself while the box takes the capture changes
  // nothing.
  POINT screen = overReference;
  ClientToScreen(bookmarks_, &screen);
  SetCursorPos(screen.x, screen.y);
  Post(bookmarks_, WM_LBUTTONDOWN, MK_LBUTTON, start);
  Post(bookmarks_, WM_MOUSEMOVE, MK_LBUTTON, overReference);
  // The mouse rests on "Reference": after 400 ms it opens, with no further
  // movement needed.
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return SendMessageA(categories_, LB_GETCURSEL, 0, 0) == 2; }, kTimeout));
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return !Lines(subcategories_).empty() && Lines(subcategories_)[0] == "Encyclopedias"; },
      kTimeout));
  // Dropped on "Maps", Reuters goes to the end of it.
  POINT overMaps = Convert(subcategories_, bookmarks_, LinePoint(subcategories_, 2));
  Post(bookmarks_, WM_MOUSEMOVE, MK_LBUTTON, overMaps);
  Post(bookmarks_, WM_LBUTTONUP, 0, overMaps);
  Click(subcategories_, 2);
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(subcategories_, LB_GETCURSEL, 0, 0) == 2; },
                             kTimeout));
  ASSERT_TRUE(e2e::WaitUntil([&] { return Lines(bookmarks_).size() == 3; }, kTimeout))
      << Lines(bookmarks_).size();
  EXPECT_EQ(Lines(bookmarks_),
            (std::vector<std::string>{"OpenStreetMap", "Google Maps", "Reuters"}));
}

TEST_F(ListBoxTest, ReorderingInsideTheColumnAndNothingToTheRight) {
  SendMessageA(main_, WM_COMMAND, ID_CMD_MODE_ORGANIZE, 0);
  ASSERT_TRUE(Open(1, 1, "Ars Technica"));  // News / Technology
  // The Verge before Ars Technica.
  Drag(bookmarks_, 2, bookmarks_, 0, 0);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Lines(bookmarks_)[0] == "The Verge"; }, kTimeout));
  EXPECT_EQ(Lines(bookmarks_),
            (std::vector<std::string>{"The Verge", "Ars Technica", "Hacker News"}));
  EXPECT_EQ(SendMessageA(bookmarks_, LB_GETCURSEL, 0, 0), 0) << "the moved line is selected";
  // Dropped on the blank area below the lines, it goes to the end.
  Drag(bookmarks_, 0, bookmarks_, 10, 0);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Lines(bookmarks_)[0] == "Ars Technica"; }, kTimeout));
  EXPECT_EQ(Lines(bookmarks_),
            (std::vector<std::string>{"Ars Technica", "Hacker News", "The Verge"}));
  // A subcategory dropped on the bookmark column stays where it is.
  Drag(subcategories_, 0, bookmarks_, 1, 0);
  Click(subcategories_, 1);
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(subcategories_, LB_GETCURSEL, 0, 0) == 1; },
                             kTimeout));
  EXPECT_EQ(Lines(subcategories_), (std::vector<std::string>{"World News", "Technology"}));
}

TEST_F(ListBoxTest, AWheelNotchScrollsFourLinesOfTheListUnderTheMouse) {
  // Everyday Tools / Travel and Languages: 2 + 30 bookmarks.
  ASSERT_TRUE(Open(5, 2, "Google Translate"));
  ASSERT_EQ(SendMessageA(bookmarks_, LB_GETCOUNT, 0, 0), 2 + kExtraBookmarks);
  RECT r;
  GetWindowRect(bookmarks_, &r);
  LPARAM over = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_EQ(SendMessageA(bookmarks_, LB_GETTOPINDEX, 0, 0), 0);
  PostMessageA(bookmarks_, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), over);
  EXPECT_TRUE(
      e2e::WaitUntil([&] { return SendMessageA(bookmarks_, LB_GETTOPINDEX, 0, 0) == 4; }, kTimeout))
      << SendMessageA(bookmarks_, LB_GETTOPINDEX, 0, 0);
  // Arriving at the category column (the focus) with the mouse over the
  // bookmarks, it scrolls the bookmarks.
  PostMessageA(categories_, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), over);
  EXPECT_TRUE(
      e2e::WaitUntil([&] { return SendMessageA(bookmarks_, LB_GETTOPINDEX, 0, 0) == 8; }, kTimeout))
      << SendMessageA(bookmarks_, LB_GETTOPINDEX, 0, 0);
  EXPECT_EQ(SendMessageA(categories_, LB_GETTOPINDEX, 0, 0), 0);
  // Small deltas wait for more: 20 does nothing, 20 more scroll one line.
  PostMessageA(bookmarks_, WM_MOUSEWHEEL, MAKEWPARAM(0, 20), over);
  PostMessageA(bookmarks_, WM_MOUSEWHEEL, MAKEWPARAM(0, 20), over);
  EXPECT_TRUE(
      e2e::WaitUntil([&] { return SendMessageA(bookmarks_, LB_GETTOPINDEX, 0, 0) == 7; }, kTimeout))
      << SendMessageA(bookmarks_, LB_GETTOPINDEX, 0, 0);
  // Choosing a line in view refills the column without moving the view.
  e2e::ChooseListLine(main_, IDC_BOOKMARK_LIST, 9);
  EXPECT_EQ(SendMessageA(bookmarks_, LB_GETCURSEL, 0, 0), 9);
  EXPECT_EQ(SendMessageA(bookmarks_, LB_GETTOPINDEX, 0, 0), 7);
}

TEST_F(ListBoxTest, ChoosingSmartFoldersShowsItsFolders) {
  // A list opened from the command line starts with no category chosen,
  // and the focus in the search box.
  GUITHREADINFO gui = {};
  gui.cbSize = sizeof gui;
  ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &gui));
  EXPECT_EQ(gui.hwndFocus, GetDlgItem(main_, IDC_SEARCH_TEXT));
  EXPECT_EQ(SendMessageA(categories_, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageA(subcategories_, LB_GETCOUNT, 0, 0), 0);
  Click(categories_, 0);
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(subcategories_, LB_GETCOUNT, 0, 0) > 0; },
                             kTimeout));
  EXPECT_EQ(Lines(subcategories_),
            (std::vector<std::string>{"Favorites", "Due to visit", "Frequently visited",
                                      "Recently added", "Recently visited"}));
  Click(subcategories_, 0);
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return SendMessageA(bookmarks_, LB_GETCOUNT, 0, 0) > 0; }, kTimeout));
  EXPECT_EQ(Lines(bookmarks_), (std::vector<std::string>{"DuckDuckGo", "Wikipedia"}));
}

TEST_F(ListBoxTest, ATitleTipShowsTheWholeTitleOfALineThatDoesNotFit) {
  ASSERT_TRUE(Open(5, 2, "Google Translate"));
  auto tip = [&]() -> HWND {
    for (HWND w : e2e::TopLevelWindows(program_.Id(), "VelloxTitleTip"))
      if (IsWindowVisible(w)) return w;
    return nullptr;
  };
  // The tip shows only while a window of the program is active.
  SetForegroundWindow(main_);
  ASSERT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == main_; }, kTimeout));
  Post(bookmarks_, WM_MOUSEMOVE, 0, LinePoint(bookmarks_, 2));
  ASSERT_TRUE(e2e::WaitUntil([&] { return tip() != nullptr; }, kTimeout));
  RECT tipRect, boxRect;
  GetWindowRect(tip(), &tipRect);
  GetClientRect(bookmarks_, &boxRect);
  EXPECT_GT(tipRect.right - tipRect.left, boxRect.right) << "wider than the column";
  POINT boxTop = {0, 0};
  ClientToScreen(bookmarks_, &boxTop);
  int lineHeight = static_cast<int>(SendMessageA(bookmarks_, LB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(tipRect.top, boxTop.y + LinePoint(bookmarks_, 2).y - lineHeight / 2) << "over the line";
  // A line that fits has no tip.
  Post(bookmarks_, WM_MOUSEMOVE, 0, LinePoint(bookmarks_, 3));
  EXPECT_TRUE(e2e::WaitUntil([&] { return tip() == nullptr; }, kTimeout));
}

// A tip belongs to the line it stood over: when the column is filled again
// (here a marked bookmark pasted above the long title) it goes.
TEST_F(ListBoxTest, ATitleTipGoesWhenItsColumnIsFilledAgain) {
  ASSERT_TRUE(Open(5, 2, "Google Translate"));
  const std::vector<std::string> before = Lines(bookmarks_);
  ASSERT_GT(before.size(), 3u);
  auto tip = [&]() -> HWND {
    for (HWND w : e2e::TopLevelWindows(program_.Id(), "VelloxTitleTip"))
      if (IsWindowVisible(w)) return w;
    return nullptr;
  };
  // Google Translate marked, the line under the long title selected.
  Click(bookmarks_, 0);
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return SendMessageA(bookmarks_, LB_GETCURSEL, 0, 0) == 0; }, kTimeout));
  SendMessageA(main_, WM_COMMAND, ID_CMD_MARK_BOOKMARK, 0);
  Click(bookmarks_, 3);
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return SendMessageA(bookmarks_, LB_GETCURSEL, 0, 0) == 3; }, kTimeout));
  SetForegroundWindow(main_);
  ASSERT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == main_; }, kTimeout));
  Post(bookmarks_, WM_MOUSEMOVE, 0, LinePoint(bookmarks_, 2));
  ASSERT_TRUE(e2e::WaitUntil([&] { return tip() != nullptr; }, kTimeout));

  PostMessageA(main_, WM_COMMAND, ID_CMD_EDIT_PASTE, 0);
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        std::vector<std::string> lines = Lines(bookmarks_);
        return lines.size() > 2 && lines[2] == before[0];
      },
      kTimeout));
  EXPECT_TRUE(e2e::WaitUntil([&] { return tip() == nullptr; }, kTimeout));
}

// The pop-up menu the program shows, or null.
HWND VisibleMenu(DWORD pid) {
  for (HWND w : e2e::TopLevelWindows(pid, "#32768"))
    if (IsWindowVisible(w)) return w;
  return nullptr;
}

// Keys to an open menu: the menu's own loop reads them from the queue.
void MenuKeys(HWND menu, const std::vector<WPARAM>& keys) {
  for (WPARAM key : keys) {
    PostMessageA(menu, WM_KEYDOWN, key, 1);
    PostMessageA(menu, WM_KEYUP, key, 0xC0000001);
  }
}

TEST_F(ListBoxTest, CompactPickersChooseCategoryThenSubcategory) {
  PostMessageA(main_, WM_COMMAND, ID_CMD_MODE_COMPACT, 0);
  HWND compact = e2e::WaitForMainWith(program_.Id(), IDC_CATEGORY_PICKER, main_);
  ASSERT_NE(compact, nullptr);
  HWND box = GetDlgItem(compact, IDC_BOOKMARK_LIST);
  EXPECT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 0) << "no category chosen yet";

  // The category picker; the second entry is "News".
  PostMessageA(compact, WM_COMMAND, ID_CMD_PICK_CATEGORY, 0);
  HWND menu = nullptr;
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return (menu = VisibleMenu(program_.Id())) != nullptr; }, kTimeout));
  RECT button, popup;
  GetWindowRect(GetDlgItem(compact, IDC_CATEGORY_PICKER), &button);
  GetWindowRect(menu, &popup);
  EXPECT_EQ(popup.left, button.right) << "opens at the button's top-right corner";
  EXPECT_EQ(popup.top, button.top);
  MenuKeys(menu, {VK_DOWN, VK_DOWN, VK_RETURN});
  // No subcategory of News is chosen: its picker opens at once.
  ASSERT_TRUE(e2e::WaitUntil([&] { return Text(compact, IDC_CATEGORY_TITLE) == "News"; }, kTimeout))
      << Text(compact, IDC_CATEGORY_TITLE);
  HWND second = nullptr;
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return (second = VisibleMenu(program_.Id())) != nullptr; }, kTimeout));
  GetWindowRect(GetDlgItem(compact, IDC_SUBCATEGORY_PICKER), &button);
  GetWindowRect(second, &popup);
  EXPECT_EQ(popup.left, button.right);
  MenuKeys(second, {VK_DOWN, VK_RETURN});
  // Choosing "World News" selects its first bookmark.
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(box, LB_GETCURSEL, 0, 0) == 0; }, kTimeout));
  EXPECT_EQ(Text(compact, IDC_SUBCATEGORY_TITLE), "World News");
  EXPECT_EQ(Lines(box).front(), "Reuters");
  EXPECT_EQ(VisibleMenu(program_.Id()), nullptr);
}

RECT RectIn(HWND parent, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int WidthOf(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r.right - r.left;
}

TEST_F(ListBoxTest, DraggingTheGapAfterAColumnResizesItAndTheWindow) {
  RECT categories = RectIn(main_, categories_);
  RECT subcategories = RectIn(main_, subcategories_);
  POINT gap = {(categories.right + subcategories.left) / 2,
               (categories.top + categories.bottom) / 2};
  int columnWidth = categories.right - categories.left;
  int windowWidth = WidthOf(main_);
  int middleWidth = WidthOf(subcategories_);
  int lastLeft = RectIn(main_, bookmarks_).left;
  // 40 pixels narrower: the window follows, the other columns stay.
  Post(main_, WM_LBUTTONDOWN, MK_LBUTTON, gap);
  Post(main_, WM_MOUSEMOVE, MK_LBUTTON, POINT{gap.x - 20, gap.y});
  Post(main_, WM_MOUSEMOVE, MK_LBUTTON, POINT{gap.x - 40, gap.y});
  Post(main_, WM_LBUTTONUP, 0, POINT{gap.x - 40, gap.y});
  // The program moves the columns one after the other: wait for the last.
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return RectIn(main_, bookmarks_).left == lastLeft - 40; }, kTimeout))
      << RectIn(main_, bookmarks_).left << " from " << lastLeft;
  EXPECT_EQ(WidthOf(categories_), columnWidth - 40);
  EXPECT_EQ(WidthOf(main_), windowWidth - 40);
  EXPECT_EQ(WidthOf(subcategories_), middleWidth);
  EXPECT_EQ(RectIn(main_, subcategories_).left, subcategories.left - 40)
      << "the next column moved along";
  // Far to the left: the column stops at 132 pixels.
  gap.x -= 40;
  Post(main_, WM_LBUTTONDOWN, MK_LBUTTON, gap);
  Post(main_, WM_MOUSEMOVE, MK_LBUTTON, POINT{gap.x - 400, gap.y});
  Post(main_, WM_LBUTTONUP, 0, POINT{gap.x - 400, gap.y});
  int narrowed = columnWidth - 40 - 132;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return RectIn(main_, bookmarks_).left == lastLeft - 40 - narrowed; }, kTimeout))
      << RectIn(main_, bookmarks_).left;
  EXPECT_EQ(WidthOf(categories_), 132);
  EXPECT_EQ(WidthOf(subcategories_), middleWidth);
}

TEST_F(ListBoxTest, CtrlClickMarksAndUnmarks) {
  ASSERT_TRUE(Open(1, 0, "Reuters"));  // Regular mode: News / World News
  // A bookmark may be dragged, so its mark changes when the button is up.
  Click(bookmarks_, 3, MK_CONTROL);  // BBC News
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return Text(main_, IDC_STATUS_LINE).rfind("Items marked: 1 ", 0) == 0; }, kTimeout))
      << Text(main_, IDC_STATUS_LINE);
  EXPECT_NE(Text(main_, IDC_STATUS_LINE).find(", 1 bookmark"), std::string::npos)
      << Text(main_, IDC_STATUS_LINE);
  EXPECT_EQ(SendMessageA(bookmarks_, LB_GETCURSEL, 0, 0), 3);
  PressElsewhere(categories_);
  Click(bookmarks_, 3, MK_CONTROL);
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return Text(main_, IDC_STATUS_LINE).rfind("List ", 0) == 0; }, kTimeout))
      << Text(main_, IDC_STATUS_LINE);
  // A subcategory cannot be dragged in Regular mode: marked at once, with
  // all its bookmarks (the separator does not count).
  Click(subcategories_, 1, MK_CONTROL);
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return Text(main_, IDC_STATUS_LINE).rfind("Items marked: 1 ", 0) == 0; }, kTimeout));
  EXPECT_NE(Text(main_, IDC_STATUS_LINE).find(", 3 bookmarks"), std::string::npos)
      << Text(main_, IDC_STATUS_LINE);

  // Shift+Ctrl+click marks the range from the selected line to the clicked
  // one, both included: World News's four bookmarks join the three.
  Click(subcategories_, 0);
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return !Lines(bookmarks_).empty() && Lines(bookmarks_)[0] == "Reuters"; }, kTimeout));
  Click(bookmarks_, 0);
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return SendMessageA(bookmarks_, LB_GETCURSEL, 0, 0) == 0; }, kTimeout));
  Click(bookmarks_, 4, MK_SHIFT | MK_CONTROL);
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return SendMessageA(bookmarks_, LB_GETCURSEL, 0, 0) == 4; }, kTimeout));
  EXPECT_NE(Text(main_, IDC_STATUS_LINE).find(" 2 subcategories, 7 bookmarks"), std::string::npos)
      << Text(main_, IDC_STATUS_LINE);
}

}  // namespace
