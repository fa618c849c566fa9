// The browser submenus of the menu bar, the Open and Fetch buttons' menus,
// the Visited text's menu and the About box, built on the program's own
// resources.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/scoped_handle.h"
#include "resources/resource.h"
#include "ui/about_dialog.h"
#include "ui/browser_menus.h"

namespace {

constexpr UINT kPopup = 0xFFFFFFFFu;

struct Entry {
  std::string text;
  UINT id;  // kPopup for a submenu, 0 for a separator
  bool operator==(const Entry& o) const { return text == o.text && id == o.id; }
};

void PrintTo(const Entry& e, std::ostream* os) { *os << "\"" << e.text << "\" " << e.id; }

std::vector<Entry> Entries(HMENU menu) {
  std::vector<Entry> out;
  for (int i = 0, n = menu ? GetMenuItemCount(menu) : 0; i < n; ++i) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    out.push_back({text, GetSubMenu(menu, i) ? kPopup : GetMenuItemID(menu, i)});
  }
  return out;
}

UINT State(HMENU menu, int position) {
  return GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
}
bool Greyed(HMENU menu, int position) { return (State(menu, position) & MF_GRAYED) != 0; }
bool Checked(HMENU menu, int position) { return (State(menu, position) & MF_CHECKED) != 0; }

// Only the ids of the given ranges can run.
CommandEnabledFn Only(std::vector<std::pair<int, int>> ranges) {
  return [ranges](int id) {
    for (const auto& r : ranges)
      if (id >= r.first && id <= r.second) return true;
    return false;
  };
}

BrowserMenuFacts Browsers(std::vector<std::string> names, int defaultBrowser,
                          bool fetchAllowed = true) {
  BrowserMenuFacts facts;
  facts.names = std::move(names);
  facts.defaultBrowser = defaultBrowser;
  facts.fetchAllowed = fetchAllowed;
  return facts;
}

class MenuBar : public ::testing::Test {
 protected:
  MenuBar() : bar_(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU))) {}
  HMENU Bar() const { return bar_.Get(); }
  HMENU Browser() const { return GetSubMenu(bar_.Get(), 2); }
  HMENU Edit() const { return GetSubMenu(bar_.Get(), 1); }
  // "&Fetch from browser" follows "&New bookmark".
  int FetchPosition() const {
    for (int i = 0, n = GetMenuItemCount(Edit()); i < n; ++i)
      if (GetMenuItemID(Edit(), i) == ID_CMD_NEW_BOOKMARK) return i + 1;
    return -1;
  }

 private:
  framework::ScopedMenu bar_;
};

TEST_F(MenuBar, BrowserItemsBecomeSubmenusOfTheConfiguredBrowsers) {
  ASSERT_NE(Browser(), nullptr);
  const CommandEnabledFn onlyDefault =
      Only({{ID_CMD_DEFAULT_BROWSER_BASE, ID_CMD_DEFAULT_BROWSER_BASE + 99}});
  RebuildBrowserSubmenus(Bar(), Browsers({"Alpha", "Beta", "Gamma"}, 1), onlyDefault);

  EXPECT_EQ(Entries(Browser()),
            (std::vector<Entry>{{"Open &new bookmark\tCtrl+Shift+N", kPopup},
                                {"Open &blank tab\t Ctrl+Shift+B", kPopup},
                                {"Set &default", kPopup},
                                {"", 0},
                                {"&Configure web browsers", ID_CMD_CONFIGURE_BROWSERS}}));
  EXPECT_EQ(Entries(GetSubMenu(Browser(), 0)),
            (std::vector<Entry>{{"Alpha", 9400}, {"Beta", 9401}, {"Gamma", 9402}}));
  EXPECT_EQ(Entries(GetSubMenu(Browser(), 1)),
            (std::vector<Entry>{{"Alpha", 9200}, {"Beta", 9201}, {"Gamma", 9202}}));
  HMENU setDefault = GetSubMenu(Browser(), 2);
  EXPECT_EQ(Entries(setDefault),
            (std::vector<Entry>{{"Alpha", 9700}, {"Beta", 9701}, {"Gamma", 9702}}));
  // The default browser carries the mark; only commands that can run are
  // enabled.
  EXPECT_FALSE(Checked(setDefault, 0));
  EXPECT_TRUE(Checked(setDefault, 1));
  EXPECT_FALSE(Greyed(setDefault, 2));
  EXPECT_TRUE(Greyed(GetSubMenu(Browser(), 0), 0));
  EXPECT_FALSE(Greyed(Browser(), 2));

  ASSERT_GT(FetchPosition(), 0);
  EXPECT_EQ(Entries(Edit())[static_cast<size_t>(FetchPosition())],
            (Entry{"&Fetch from browser\tCtrl+E", kPopup}));
  EXPECT_EQ(Entries(GetSubMenu(Edit(), FetchPosition())),
            (std::vector<Entry>{{"Alpha", 9500}, {"Beta", 9501}, {"Gamma", 9502}}));
  EXPECT_TRUE(Greyed(GetSubMenu(Edit(), FetchPosition()), 0));
  EXPECT_FALSE(Greyed(Edit(), FetchPosition()));
}

TEST_F(MenuBar, ARebuildRefillsTheSameSubmenusAndGreysThemByCount) {
  const CommandEnabledFn all = [](int) { return true; };
  RebuildBrowserSubmenus(Bar(), Browsers({"Alpha", "Beta"}, 0), all);
  const int editCount = GetMenuItemCount(Edit());
  RebuildBrowserSubmenus(Bar(), Browsers({"Solo"}, 0), all);

  EXPECT_EQ(GetMenuItemCount(Browser()), 5);
  EXPECT_EQ(GetMenuItemCount(Edit()), editCount);
  EXPECT_EQ(Entries(GetSubMenu(Browser(), 0)), (std::vector<Entry>{{"Solo", 9400}}));
  EXPECT_EQ(Entries(GetSubMenu(Browser(), 2)), (std::vector<Entry>{{"Solo", 9700}}));
  EXPECT_EQ(Entries(GetSubMenu(Edit(), FetchPosition())), (std::vector<Entry>{{"Solo", 9500}}));
  // One browser: nothing to choose as the default.
  EXPECT_FALSE(Greyed(Browser(), 0));
  EXPECT_TRUE(Greyed(Browser(), 2));

  // No browser: empty and greyed; a list that takes no new bookmark greys
  // Fetch whatever the browsers.
  RebuildBrowserSubmenus(Bar(), Browsers({}, -1), all);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(Browser(), 1)), 0);
  EXPECT_TRUE(Greyed(Browser(), 0));
  EXPECT_TRUE(Greyed(Browser(), 1));
  EXPECT_TRUE(Greyed(Edit(), FetchPosition()));
  RebuildBrowserSubmenus(Bar(), Browsers({"Alpha"}, 0), all);
  EXPECT_FALSE(Greyed(Edit(), FetchPosition()));
  EnableBrowserSubmenus(Bar(), Browsers({"Alpha"}, 0, false));
  EXPECT_TRUE(Greyed(Edit(), FetchPosition()));
}

std::vector<Entry> OpenMenu(const OpenMenuFacts& facts, const BrowserMenuFacts& browsers,
                            const CommandEnabledFn& enabled, HMENU* kept = nullptr) {
  static framework::ScopedMenu holder;
  holder.Reset(LoadOpenButtonMenu(facts, browsers, enabled));
  HMENU menu = holder.Get() ? GetSubMenu(holder.Get(), 0) : nullptr;
  if (kept) *kept = menu;
  return Entries(menu);
}

TEST(OpenButtonMenu, WebAddressOffersTabsBrowsersAndTheDefaultSwitch) {
  const CommandEnabledFn all = [](int) { return true; };
  OpenMenuFacts web;
  web.webAddress = true;
  web.newTabDefault = true;
  HMENU menu = nullptr;
  EXPECT_EQ(OpenMenu(web, Browsers({"Alpha", "Beta"}, 1), all, &menu),
            (std::vector<Entry>{{"Open in &new tab", ID_CMD_OPEN_NEW_TAB},
                                {"Open in &frontmost tab", ID_CMD_OPEN_FRONTMOST_TAB},
                                {"Open &with", kPopup},
                                {"", 0},
                                {"Open &all in subcategory", ID_CMD_OPEN_ALL_IN_SUBCATEGORY},
                                {"", 0},
                                {"&Switch new/frontmost default", ID_CMD_SWITCH_TAB_DEFAULT},
                                {"Set &default browser", kPopup}}));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Entries(GetSubMenu(menu, 2)), (std::vector<Entry>{{"Alpha", 9300}, {"Beta", 9301}}));
  EXPECT_EQ(Entries(GetSubMenu(menu, 7)), (std::vector<Entry>{{"Alpha", 9700}, {"Beta", 9701}}));
  EXPECT_TRUE(Checked(GetSubMenu(menu, 7), 1));
  // Open takes the new tab by default: that item is the menu's default.
  EXPECT_EQ(GetMenuDefaultItem(menu, FALSE, 0), static_cast<UINT>(ID_CMD_OPEN_NEW_TAB));
  web.newTabDefault = false;
  OpenMenu(web, Browsers({"Alpha", "Beta"}, 1), all, &menu);
  EXPECT_EQ(GetMenuDefaultItem(menu, FALSE, 0), static_cast<UINT>(ID_CMD_OPEN_FRONTMOST_TAB));

  // With one browser there is nothing to choose: both submenus go.
  EXPECT_EQ(OpenMenu(web, Browsers({"Alpha"}, 0), all),
            (std::vector<Entry>{{"Open in &new tab", ID_CMD_OPEN_NEW_TAB},
                                {"Open in &frontmost tab", ID_CMD_OPEN_FRONTMOST_TAB},
                                {"", 0},
                                {"Open &all in subcategory", ID_CMD_OPEN_ALL_IN_SUBCATEGORY},
                                {"", 0},
                                {"&Switch new/frontmost default", ID_CMD_SWITCH_TAB_DEFAULT}}));
}

TEST(OpenButtonMenu, LocalTargetsOfferFileItemsAndGreyWhatCannotRun) {
  OpenMenuFacts file;
  const CommandEnabledFn onlyExplore = Only({{ID_CMD_EXPLORE, ID_CMD_EXPLORE}});
  HMENU menu = nullptr;
  EXPECT_EQ(OpenMenu(file, Browsers({"Alpha", "Beta"}, 0), onlyExplore, &menu),
            (std::vector<Entry>{{"Open &file", ID_CMD_OPEN_SELECTED},
                                {"Open &folder", ID_CMD_OPEN_FOLDER},
                                {"E&xplore", ID_CMD_EXPLORE},
                                {"", 0},
                                {"Open &all", ID_CMD_OPEN_ALL_IN_SUBCATEGORY}}));
  EXPECT_TRUE(Greyed(menu, 0));
  EXPECT_FALSE(Greyed(menu, 2));
  EXPECT_TRUE(Greyed(menu, 4));

  file.folder = true;
  EXPECT_EQ(OpenMenu(file, Browsers({}, -1), onlyExplore),
            (std::vector<Entry>{{"Open &folder", ID_CMD_OPEN_FOLDER},
                                {"E&xplore", ID_CMD_EXPLORE},
                                {"", 0},
                                {"Open &all", ID_CMD_OPEN_ALL_IN_SUBCATEGORY}}));
}

TEST(FetchButtonMenu, ListsTheBrowsersGreyedWhileFetchingCannotRun) {
  EXPECT_EQ(BuildFetchButtonMenu(Browsers({}, -1), [](int) { return true; }), nullptr);
  framework::ScopedMenu menu(
      BuildFetchButtonMenu(Browsers({"Alpha", "Beta"}, 0), [](int) { return false; }));
  EXPECT_EQ(Entries(menu.Get()), (std::vector<Entry>{{"Alpha", 9500}, {"Beta", 9501}}));
  EXPECT_TRUE(Greyed(menu.Get(), 0));
  EXPECT_TRUE(Greyed(menu.Get(), 1));
}

TEST(VisitedMenu, OffersNeverAndNow) {
  framework::ScopedMenu bar(
      LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_LAST_VISIT_MENU)));
  HMENU menu = bar.Get() ? GetSubMenu(bar.Get(), 0) : nullptr;
  EXPECT_EQ(Entries(menu), (std::vector<Entry>{{"Set to Ne&ver", ID_CMD_VISITED_NEVER},
                                               {"Set to No&w", ID_CMD_VISITED_NOW}}));
  GreyDisabledEntries(menu, Only({{ID_CMD_VISITED_NOW, ID_CMD_VISITED_NOW}}));
  EXPECT_TRUE(Greyed(menu, 0));
  EXPECT_FALSE(Greyed(menu, 1));
}

// The About box is modal: a timer inside its loop reads it and closes it.
std::string aboutCaption;
std::string aboutVersion;
void CALLBACK ReadAndCloseAbout(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowA("#32770", "About Vellox");
  if (!box) return;
  KillTimer(nullptr, timer);
  char text[256] = {};
  GetWindowTextA(box, text, sizeof text);
  aboutCaption = text;
  GetDlgItemTextA(box, IDC_ABOUT_VERSION, text, sizeof text);
  aboutVersion = text;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(AboutBox, ShowsTheVersionAndClosesWithOk) {
  aboutCaption.clear();
  aboutVersion.clear();
  UINT_PTR timer = SetTimer(nullptr, 0, 50, ReadAndCloseAbout);
  ShowAboutBox(nullptr);
  KillTimer(nullptr, timer);
  EXPECT_EQ(aboutCaption, "About Vellox");
  EXPECT_EQ(aboutVersion, "Version 3.9.0");
  EXPECT_EQ(AboutVersionText(), "Version 3.9.0");
}

}  // namespace
