// Menus of the configured browsers: the Browser menu's "Open &new
// bookmark", "Open &blank tab" and "Set &default" items and the Edit
// menu's Fetch item become submenus with one entry per browser, and the
// right-click menus of the Open button (107, 108) and the Fetch button
// are prepared for one click.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Whether the command of a menu entry can run now.
using CommandEnabledFn = std::function<bool(int id)>;

struct BrowserMenuFacts {
  std::vector<std::string> names;  // the configured browsers, in order
  int defaultBrowser = -1;         // carries the radio mark
  bool fetchAllowed = false;       // the list can take a fetched bookmark
};

// A popup with one entry per browser (base + n), each greyed when its
// command cannot run; the entry checked (-1: none) has the radio mark.
void FillBrowserPopup(HMENU popup, const std::vector<std::string>& names, int base, int checked,
                      const CommandEnabledFn& enabled);

// Builds (first call) or refills the browser submenus of the menu bar.
void RebuildBrowserSubmenus(HMENU bar, const BrowserMenuFacts& facts,
                            const CommandEnabledFn& enabled);
// The Edit menu's Fetch submenu (one entry per browser), or null before
// the browser submenus were built.
HMENU FetchSubmenu(HMENU bar);
// Greys the browser submenus: the open items without browsers, "Set
// &default" with fewer than two, Fetch when not allowed or no browser.
void EnableBrowserSubmenus(HMENU bar, const BrowserMenuFacts& facts);

// The Open button's menu for the selected bookmark, loaded from menu 108
// (web address) or 107 (file, program or folder): "Open &file" is removed
// for a folder; "Open &with" (9300 + n) and "Set &default browser" (9700 +
// n) become submenus with two or more browsers and are removed otherwise;
// the tab choice that Open takes is the default item; entries whose
// command cannot run are greyed. The caller owns the returned menu bar
// (its first popup is the menu); null when the resource is missing.
struct OpenMenuFacts {
  bool webAddress = false;
  bool folder = false;
  bool newTabDefault = false;  // behaviour flag 0x4000
};
HMENU LoadOpenButtonMenu(const OpenMenuFacts& facts, const BrowserMenuFacts& browsers,
                         const CommandEnabledFn& enabled);

// The Fetch button's menu: one entry per browser (9500 + n), greyed when
// fetching cannot run. Null without browsers; the caller destroys it.
HMENU BuildFetchButtonMenu(const BrowserMenuFacts& browsers, const CommandEnabledFn& enabled);

// Greys every entry (submenus included) whose command cannot run.
void GreyDisabledEntries(HMENU menu, const CommandEnabledFn& enabled);
