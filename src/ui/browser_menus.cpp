#include "ui/browser_menus.h"

#include "framework/menu_tidy.h"
#include "resources/resource.h"

namespace {

constexpr int kEditMenuPosition = 1;
constexpr int kBrowserMenuPosition = 2;
// The Browser menu's first three items, in menu order.
struct BrowserItem {
  int position;
  int base;
};
constexpr BrowserItem kOpenAddress = {0, ID_CMD_OPEN_ADDRESS_BASE};
constexpr BrowserItem kBlankTab = {1, ID_CMD_BLANK_TAB_BASE};
constexpr BrowserItem kSetDefault = {2, ID_CMD_DEFAULT_BROWSER_BASE};
// A menu holds at most this many browsers (the browser list's limit).
constexpr size_t kMaxBrowsers = 100;

int PositionOf(HMENU menu, int id) {
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
    if (GetMenuItemID(menu, i) == static_cast<UINT>(id)) return i;
  return -1;
}

void EnableAt(HMENU menu, int position, bool enabled) {
  EnableMenuItem(menu, static_cast<UINT>(position),
                 MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

// The item at position as a submenu of the browsers: the first time the
// plain item is replaced (keeping its text), later the submenu is refilled.
void MakeBrowserSubmenu(HMENU menu, int position, const std::vector<std::string>& names, int base,
                        int checked, const CommandEnabledFn& enabled) {
  if (position < 0 || position >= GetMenuItemCount(menu)) return;
  HMENU popup = GetSubMenu(menu, position);
  if (!popup) {
    popup = CreatePopupMenu();
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    ModifyMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_POPUP | MF_STRING,
                reinterpret_cast<UINT_PTR>(popup), text);
  }
  FillBrowserPopup(popup, names, base, checked, enabled);
}

// The Edit menu's Fetch item follows "&New bookmark".
int FetchPosition(HMENU edit) {
  int newBookmark = PositionOf(edit, ID_CMD_NEW_BOOKMARK);
  return newBookmark < 0 ? -1 : newBookmark + 1;
}

void RemoveOrMakeSubmenu(HMENU menu, int id, const BrowserMenuFacts& browsers, int base,
                         int checked, const CommandEnabledFn& enabled) {
  int position = PositionOf(menu, id);
  if (position < 0) return;
  if (browsers.names.size() < 2)
    DeleteMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
  else
    MakeBrowserSubmenu(menu, position, browsers.names, base, checked, enabled);
}

}  // namespace

void FillBrowserPopup(HMENU popup, const std::vector<std::string>& names, int base, int checked,
                      const CommandEnabledFn& enabled) {
  while (GetMenuItemCount(popup) > 0) DeleteMenu(popup, 0, MF_BYPOSITION);
  for (size_t n = 0; n < names.size() && n < kMaxBrowsers; ++n) {
    const int id = base + static_cast<int>(n);
    AppendMenuA(popup, MF_STRING | (enabled(id) ? MF_ENABLED : MF_GRAYED),
                static_cast<UINT_PTR>(id), names[n].c_str());
  }
  const int count = GetMenuItemCount(popup);
  if (checked >= 0 && checked < count)
    CheckMenuRadioItem(popup, 0, static_cast<UINT>(count - 1), static_cast<UINT>(checked),
                       MF_BYPOSITION);
}

void RebuildBrowserSubmenus(HMENU bar, const BrowserMenuFacts& facts,
                            const CommandEnabledFn& enabled) {
  if (HMENU browser = GetSubMenu(bar, kBrowserMenuPosition)) {
    MakeBrowserSubmenu(browser, kOpenAddress.position, facts.names, kOpenAddress.base, -1, enabled);
    MakeBrowserSubmenu(browser, kBlankTab.position, facts.names, kBlankTab.base, -1, enabled);
    MakeBrowserSubmenu(browser, kSetDefault.position, facts.names, kSetDefault.base,
                       facts.defaultBrowser, enabled);
  }
  if (HMENU edit = GetSubMenu(bar, kEditMenuPosition))
    MakeBrowserSubmenu(edit, FetchPosition(edit), facts.names, ID_CMD_FETCH_FROM_BASE, -1, enabled);
  EnableBrowserSubmenus(bar, facts);
}

HMENU FetchSubmenu(HMENU bar) {
  HMENU edit = bar ? GetSubMenu(bar, kEditMenuPosition) : nullptr;
  return edit ? GetSubMenu(edit, FetchPosition(edit)) : nullptr;
}

void EnableBrowserSubmenus(HMENU bar, const BrowserMenuFacts& facts) {
  const bool any = !facts.names.empty();
  if (HMENU browser = GetSubMenu(bar, kBrowserMenuPosition)) {
    EnableAt(browser, kOpenAddress.position, any);
    EnableAt(browser, kBlankTab.position, any);
    EnableAt(browser, kSetDefault.position, facts.names.size() >= 2);
  }
  if (HMENU edit = GetSubMenu(bar, kEditMenuPosition)) {
    int fetch = FetchPosition(edit);
    if (fetch >= 0 && GetSubMenu(edit, fetch)) EnableAt(edit, fetch, any && facts.fetchAllowed);
  }
}

HMENU LoadOpenButtonMenu(const OpenMenuFacts& facts, const BrowserMenuFacts& browsers,
                         const CommandEnabledFn& enabled) {
  const int resource = facts.webAddress ? IDM_OPEN_WEB_MENU : IDM_OPEN_FILE_MENU;
  HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource));
  HMENU menu = bar ? GetSubMenu(bar, 0) : nullptr;
  if (!menu) {
    if (bar) DestroyMenu(bar);
    return nullptr;
  }
  if (facts.webAddress) {
    RemoveOrMakeSubmenu(menu, ID_CMD_OPEN_WITH, browsers, ID_CMD_OPEN_WITH_BASE, -1, enabled);
    RemoveOrMakeSubmenu(menu, ID_CMD_SET_DEFAULT_BROWSER, browsers, ID_CMD_DEFAULT_BROWSER_BASE,
                        browsers.defaultBrowser, enabled);
    SetMenuDefaultItem(menu, facts.newTabDefault ? ID_CMD_OPEN_NEW_TAB : ID_CMD_OPEN_FRONTMOST_TAB,
                       FALSE);
  } else if (facts.folder) {
    DeleteMenu(menu, ID_CMD_OPEN_SELECTED, MF_BYCOMMAND);
  }
  framework::TidySeparators(menu);
  GreyDisabledEntries(menu, enabled);
  return bar;
}

HMENU BuildFetchButtonMenu(const BrowserMenuFacts& browsers, const CommandEnabledFn& enabled) {
  if (browsers.names.empty()) return nullptr;
  HMENU menu = CreatePopupMenu();
  FillBrowserPopup(menu, browsers.names, ID_CMD_FETCH_FROM_BASE, -1, enabled);
  return menu;
}

void GreyDisabledEntries(HMENU menu, const CommandEnabledFn& enabled) {
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      GreyDisabledEntries(sub, enabled);
      continue;
    }
    if (framework::IsSeparatorAt(menu, i)) continue;
    const int id = static_cast<int>(GetMenuItemID(menu, i));
    EnableAt(menu, i, enabled(id));
  }
}
