// The menu bar's texts and the three accelerator tables as the program's
// resources hold them: every text and key exactly as the user sees it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/scoped_handle.h"
#include "resources/resource.h"

namespace {

// "text=id" per item; a submenu is "text>" followed by its items and "<".
void Flatten(HMENU menu, std::vector<std::string>* out) {
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    if (HMENU sub = GetSubMenu(menu, i)) {
      out->push_back(std::string(text) + ">");
      Flatten(sub, out);
      out->push_back("<");
    } else if (GetMenuItemID(menu, i) == 0) {
      out->push_back("-");
    } else {
      out->push_back(std::string(text) + "=" + std::to_string(GetMenuItemID(menu, i)));
    }
  }
}

TEST(MenuBarResource, HoldsEveryCommandWithItsExactText) {
  framework::ScopedMenu bar(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU)));
  std::vector<std::string> items;
  Flatten(bar.Get(), &items);
  const std::vector<std::string> expected = {"&File>",
                                             "&Open/New ...=57601",
                                             "&Import ...=5044",
                                             "&Revert ...=5045",
                                             "&Save\tCtrl+S=57603",
                                             "Sa&ve copy ...\tCtrl+Shift+S=5046",
                                             "&Export ...=5043",
                                             "-",
                                             "Purge all &deleted items=907",
                                             "E&ncryption options=5039",
                                             "&Configure bookmark lists=5079",
                                             "-",
                                             "E&xit\tAlt+F4=57665",
                                             "<",
                                             "&Edit>",
                                             "&Start/Cancel search\tCtrl+F=2108",
                                             "Find Ne&xt\tF3=5086",
                                             "Ad&vanced search\tCtrl+Shift+F=5085",
                                             "-",
                                             "&New bookmark\tCtrl+N=2104",
                                             "&Fetch from browser\tCtrl+E=2096",
                                             "Fill out &log-in form\tCtrl+L=2093",
                                             "-",
                                             "Mar&k/Unmark selected\t Ctrl+X>",
                                             "Bookmark=5064",
                                             "Subcategory=5063",
                                             "Category=5062",
                                             "<",
                                             "Ma&rk found=5065",
                                             "&Move marked>",
                                             "=5071",
                                             "<",
                                             "&Alias marked>",
                                             "=5005",
                                             "<",
                                             "&Clear all marks\tCtrl+Shift+C=5095",
                                             "&Open marked\tCtrl+M=921",
                                             "-",
                                             "Cop&y marked bookmarks as>",
                                             "Text (&URLs only)=5021",
                                             "Text (&Titles && URLs)=5022",
                                             "HTML &list of links=5023",
                                             "HTML t&able of links=5024",
                                             "<",
                                             "&Delete marked\tCtrl+Shift+D=5030",
                                             "Sor&t alphabetically\tCtrl+Down>",
                                             "&Bookmarks in selected subcategory=5013",
                                             "&Subcategories in selected category=5012",
                                             "&Categories=5011",
                                             "Boo&kmarks in all subcategories=5190",
                                             "&All categories, subcategories && bookmarks=5009",
                                             "<",
                                             "Add se&parator above selected>",
                                             "&Bookmark title=5004",
                                             "&Subcategory=5003",
                                             "&Category=5002",
                                             "<",
                                             "&Bold/Unbold selected\t Ctrl+B>",
                                             "&Bookmark title=5060",
                                             "&Subcategory=5059",
                                             "&Category=5058",
                                             "<",
                                             "C&heck status of>",
                                             "Selected &bookmark=5134",
                                             "Bookmarks in selected &subcategory=5133",
                                             "Bookmarks in selected &category=5132",
                                             "&Entire bookmark list=5131",
                                             "<",
                                             "-",
                                             "Mana&ge duplicates=917",
                                             "-",
                                             "&Undelete items=916",
                                             "<",
                                             "&Browser>",
                                             "Open &new bookmark\tCtrl+Shift+N=5077",
                                             "Open &blank tab\t Ctrl+Shift+B=5076",
                                             "Set &default=5187",
                                             "-",
                                             "&Configure web browsers=5078",
                                             "<",
                                             "&Application>",
                                             "&Compact mode\tF6=5066",
                                             "&Regular mode\tF7=5067",
                                             "&Organize mode\tF8=5068",
                                             "-",
                                             "&Minimize\tF12=5052",
                                             "Show/Hide &list view\tF9=905",
                                             "Show/Hide &notes\tF5=2105",
                                             "-",
                                             "&Preferences=5080",
                                             "Modify/Repair &setup=5053",
                                             "&Uninstall=5094",
                                             "<",
                                             "&Help>",
                                             "&Help Contents\tF1=57667",
                                             "How to a&dd a bookmark=5143",
                                             "How to &move items=5144",
                                             "&Keyboard shortcuts=5145",
                                             "How to use QuickLogin=5146",
                                             "-",
                                             "Tips=5142",
                                             "-",
                                             "&Web site=5140",
                                             "Online support=5141",
                                             "-",
                                             "&About Vellox=5051",
                                             "<"};
  EXPECT_EQ(items, expected);
}

std::string KeyText(const ACCEL& a) {
  std::string text;
  if (a.fVirt & FCONTROL) text += "Ctrl+";
  if (a.fVirt & FSHIFT) text += "Shift+";
  if (a.fVirt & FALT) text += "Alt+";
  if (a.key >= VK_F1 && a.key <= VK_F24)
    text += "F" + std::to_string(a.key - VK_F1 + 1);
  else if (a.key == VK_ESCAPE)
    text += "Esc";
  else if (a.key == VK_TAB)
    text += "Tab";
  else if (a.key == VK_DOWN)
    text += "Down";
  else
    text += static_cast<char>(a.key);
  return text + "=" + std::to_string(a.cmd);
}

std::vector<std::string> Keys(int table) {
  HACCEL accel = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(table));
  std::vector<std::string> keys;
  if (!accel) return keys;
  std::vector<ACCEL> entries(static_cast<size_t>(CopyAcceleratorTableA(accel, nullptr, 0)));
  CopyAcceleratorTableA(accel, entries.data(), static_cast<int>(entries.size()));
  for (const ACCEL& a : entries) {
    EXPECT_TRUE(a.fVirt & FVIRTKEY) << KeyText(a);
    keys.push_back(KeyText(a));
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

std::vector<std::string> Sorted(std::vector<std::string> keys) {
  std::sort(keys.begin(), keys.end());
  return keys;
}

TEST(AcceleratorTables, BindExactlyTheDocumentedKeys) {
  EXPECT_EQ(Keys(IDR_ACCELERATORS), Sorted({"Alt+F5=5000",
                                            "Ctrl+Shift+F=5085",
                                            "Ctrl+Shift+L=5174",
                                            "Ctrl+Shift+P=5175",
                                            "Ctrl+C=5018",
                                            "Ctrl+E=2096",
                                            "Ctrl+S=57603",
                                            "Ctrl+Shift+S=5046",
                                            "F3=5086",
                                            "Shift+F3=5087",
                                            "Alt+K=5186",
                                            "Alt+1=5204",
                                            "Alt+C=5204",
                                            "Alt+2=5205",
                                            "Alt+S=5205",
                                            "Alt+3=5206",
                                            "Alt+B=5206",
                                            "Alt+L=5183",
                                            "Alt+N=5182",
                                            "Alt+P=5184",
                                            "Alt+R=5185",
                                            "Alt+F=5047",
                                            "F12=5052",
                                            "Ctrl+D=5170",
                                            "F9=905",
                                            "Ctrl+L=2093",
                                            "Ctrl+B=5057",
                                            "Ctrl+X=5061",
                                            "Ctrl+A=5154",
                                            "F8=5068",
                                            "Esc=5075",
                                            "Ctrl+Shift+B=5076",
                                            "Ctrl+M=921",
                                            "Ctrl+Shift+N=5077",
                                            "Ctrl+Alt+P=5080",
                                            "Ctrl+Tab=5081",
                                            "Ctrl+Shift+C=5095",
                                            "Ctrl+Shift+D=5030",
                                            "Ctrl+O=2097",
                                            "Ctrl+Alt+O=2097",
                                            "Ctrl+Shift+O=2097",
                                            "Ctrl+Shift+Alt+O=2097",
                                            "Ctrl+N=2104",
                                            "F5=2105",
                                            "Ctrl+F=2108",
                                            "Ctrl+1=9100",
                                            "Ctrl+2=9101",
                                            "Ctrl+3=9102",
                                            "Ctrl+4=9103",
                                            "Ctrl+5=9104",
                                            "Ctrl+6=9105",
                                            "Ctrl+7=9106",
                                            "Ctrl+8=9107",
                                            "Ctrl+9=9108",
                                            "Ctrl+0=9109"}));
  EXPECT_EQ(Keys(IDR_ACCEL_THREE_COLUMN),
            Sorted({"Ctrl+Shift+V=5005", "Ctrl+Down=5010", "Ctrl+V=57637", "F7=5067", "F6=5066",
                    "Shift+Alt+1=5201", "Shift+Alt+C=5201", "Shift+Alt+2=5202", "Shift+Alt+S=5202",
                    "Shift+Alt+3=5203", "Shift+Alt+B=5203", "Ctrl+Alt+1=2102", "Ctrl+Alt+C=2102",
                    "Ctrl+Alt+2=2103", "Ctrl+Alt+S=2103", "Ctrl+Alt+3=2104", "Ctrl+Alt+B=2104"}));
  EXPECT_EQ(Keys(IDR_ACCEL_COMPACT), Sorted({"F7=5067"}));
}

}  // namespace
