// The main window's controls as the window is made as small as it allows
// and then large, in each mode: nothing overlaps, nothing leaves the
// window, and the lists take the room.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e_windows.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

struct Control {
  int id;
  RECT rect;  // in the main window's client coordinates
};

BOOL CALLBACK CollectChild(HWND child, LPARAM lp) {
  auto* found = reinterpret_cast<std::vector<HWND>*>(lp);
  found->push_back(child);
  return TRUE;
}

std::vector<Control> VisibleControls(HWND main) {
  std::vector<HWND> children;
  EnumChildWindows(main, CollectChild, reinterpret_cast<LPARAM>(&children));
  std::vector<Control> controls;
  for (HWND child : children) {
    if (GetParent(child) != main || !IsWindowVisible(child)) continue;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
    controls.push_back({GetDlgCtrlID(child), r});
  }
  return controls;
}

// "a/b" for each pair of visible controls that overlap, and "a>out" for
// each that reaches beyond the client area or has no size left.
std::vector<std::string> LayoutFaults(HWND main) {
  RECT client;
  GetClientRect(main, &client);
  std::vector<Control> controls = VisibleControls(main);
  std::vector<std::string> faults;
  for (size_t i = 0; i < controls.size(); ++i) {
    const RECT& r = controls[i].rect;
    if (r.right <= r.left || r.bottom <= r.top || r.left < 0 || r.top < 0 ||
        r.right > client.right || r.bottom > client.bottom)
      faults.push_back(std::to_string(controls[i].id) + ">out");
    for (size_t j = i + 1; j < controls.size(); ++j) {
      RECT both;
      if (IntersectRect(&both, &r, &controls[j].rect))
        faults.push_back(std::to_string(controls[i].id) + "/" + std::to_string(controls[j].id));
    }
  }
  return faults;
}

void Resize(HWND main, int width, int height) {
  SetWindowPos(main, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE WindowSize(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return {r.right - r.left, r.bottom - r.top};
}

int ControlWidth(HWND main, int id) {
  RECT r;
  GetWindowRect(GetDlgItem(main, id), &r);
  return r.right - r.left;
}

class WindowLayoutTest : public e2e::FreshSettingsTest {};

TEST_F(WindowLayoutTest, EveryModeKeepsItsControlsApartFromSmallestToLarge) {
  e2e::TempList list("E2E Layout");
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND main = e2e::WaitForMainWith(program.Id(), IDC_CATEGORY_LIST);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(LayoutFaults(main), std::vector<std::string>()) << "as built";

  // The smallest Regular window still shows every control apart; the
  // minimum is a real size, not the 1x1 asked for.
  Resize(main, 1, 1);
  SIZE smallest = WindowSize(main);
  EXPECT_GE(smallest.cx, 480);
  EXPECT_GT(smallest.cy, 200);
  EXPECT_EQ(LayoutFaults(main), std::vector<std::string>()) << "smallest Regular";

  // Organize adds a title box and three buttons under each column.
  SendMessageA(main, WM_COMMAND, ID_CMD_MODE_ORGANIZE, 0);
  ASSERT_TRUE(IsWindowVisible(GetDlgItem(main, IDC_NEW_CATEGORY)));
  EXPECT_EQ(LayoutFaults(main), std::vector<std::string>()) << "smallest Organize";

  // Made large, the columns and the address box take the room; the
  // search box gets its full width back.
  const int searchAtSmallest = ControlWidth(main, IDC_SEARCH_TEXT);
  const int bookmarksAtSmallest = ControlWidth(main, IDC_BOOKMARK_LIST);
  Resize(main, smallest.cx + 300, smallest.cy + 200);
  EXPECT_EQ(LayoutFaults(main), std::vector<std::string>()) << "large Organize";
  EXPECT_GT(ControlWidth(main, IDC_SEARCH_TEXT), searchAtSmallest);
  EXPECT_GE(ControlWidth(main, IDC_BOOKMARK_LIST), bookmarksAtSmallest + 90);
  SendMessageA(main, WM_COMMAND, ID_CMD_MODE_REGULAR, 0);
  EXPECT_EQ(LayoutFaults(main), std::vector<std::string>()) << "large Regular";

  // Compact: the one list takes the whole change of size.
  PostMessageA(main, WM_COMMAND, ID_CMD_MODE_COMPACT, 0);
  HWND compact = e2e::WaitForMainWith(program.Id(), IDC_CATEGORY_PICKER, main);
  ASSERT_NE(compact, nullptr);
  Resize(compact, 1, 1);
  SIZE compactSmallest = WindowSize(compact);
  EXPECT_EQ(LayoutFaults(compact), std::vector<std::string>()) << "smallest Compact";
  const int listAtSmallest = ControlWidth(compact, IDC_BOOKMARK_LIST);
  Resize(compact, compactSmallest.cx + 150, compactSmallest.cy + 150);
  EXPECT_EQ(LayoutFaults(compact), std::vector<std::string>()) << "large Compact";
  EXPECT_EQ(ControlWidth(compact, IDC_BOOKMARK_LIST), listAtSmallest + 150);
  program.Stop();
}

// Maximized, the window covers the work area with only its frame beyond
// it, as every other program's window does: its caption (with the Restore
// and Close buttons) is on the screen and no strip is left below.
TEST_F(WindowLayoutTest, AMaximizedWindowKeepsItsCaptionOnTheScreen) {
  e2e::TempList list("E2E Maximized");
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND main = e2e::WaitForMainWith(program.Id(), IDC_CATEGORY_LIST);
  ASSERT_NE(main, nullptr);
  RECT work = {}, window = {}, normal = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(main, &normal);
  PostMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  // The style says maximized before the window has moved.
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        GetWindowRect(main, &window);
        return IsZoomed(main) && !EqualRect(&window, &normal);
      },
      e2e::kWindowTimeout));
  EXPECT_EQ(work.top - window.top, window.bottom - work.bottom);
  EXPECT_EQ(work.left - window.left, window.right - work.right);
  EXPECT_LT(work.top - window.top, 10) << "only the frame above the work area";
  LRESULT hit =
      SendMessageA(main, WM_NCHITTEST, 0, MAKELPARAM((work.left + work.right) / 2, work.top + 2));
  EXPECT_EQ(hit, HTCAPTION);
  program.Stop();
}

}  // namespace
