// The string table as the program loads it: the texts must arrive byte for
// byte, with their tabs, line breaks and quotes, from the resource compiler.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "resources/resource.h"

namespace {

// Ids of escapes_test.rc, a table compiled only into the test program.
constexpr UINT kTestQuote = 65000;
constexpr UINT kTestBackslash = 65001;

std::string Load(UINT id) {
  char buffer[2048];
  int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? length : 0);
}

struct Case {
  UINT id;
  const char* expected;
};

TEST(StringTable, TrickyEntriesLoadByteForByte) {
  const Case cases[] = {
      // A second tab inside the text, after the caption's tab.
      {IDS_BROWSER_MENU_FULL,
       "Browser Menu Full\tThe Browser menu is full. You must remove\ta browser from the menu "
       "before you can add this one."},
      // Apostrophes and several line breaks.
      {IDS_LIST_CORRUPT,
       "List File Is Corrupt\tSorry, this bookmark list file is corrupted in such\na way that I "
       "cannot repair it. You should restore one\nof the 'Autobackup' files saved in the same "
       "folder."},
      // An empty line inside the text.
      {IDS_OVERWRITE_FILE,
       "Overwrite?\tYou are about to overwrite an existing file. Is that OK?\n\nN.B. If you are "
       "replacing a browser's current bookmark\nlist you should close all the browser's windows "
       "first."},
      {IDS_SAVE_CHANGES,
       "Vellox\tDo you want to save changes (including Last Visited times)\nto bookmark list "
       "'%1' before %2?"},
      {IDS_FAVORITE_EXPORT_PROBLEM,
       "Export Problem\tIt was not possible to export the following bookmark:\n\n%1 :: %2 :: "
       "%3\n\nThis is most likely because the shortcut name contains a\ncharacter that Windows "
       "does not allow in file names."},
      // Runs of blanks and the !u! placeholders survive.
      {IDS_STATUS_LIST, "List %1    Unique bookmarks: %2!u!    Default browser: %3"},
      {IDS_STATUS_MARKED, "Items marked: %1!u! %2, %3!u! %4, %5!u! %6"},
      // No caption: shown under "Message".
      {IDS_SMARTFOLDERS_UNDELETABLE, "SmartFolders cannot be deleted."},
      {IDS_REVERT_PROMPT, "Revert to previously-saved copy of '%1':"},
      // Help texts share the number of their command or control.
      {IDC_ADDRESS,
       "Web address or program/file/folder path. QuickSearch: {{prompt}}. Wildcards: *,?"},
      {ID_CMD_VISITED_NEVER, "Set the Last Visited time to 'never'"},
      {ID_CMD_CONFIGURE_LISTS,
       "Add, change or remove a bookmark list; re-order File menu; import & export bookmark "
       "collections"},
      {IDS_HELP_DUPLICATE_MARKED,
       "Copy marked items in bookmark list '%1' and insert under highlighted category"},
      {ID_CMD_HELP_CONTENTS, "Get help with using Vellox."},
      // The escapes the table relies on for quotes and backslashes.
      {kTestQuote, "say \"Go\" now"},
      {kTestBackslash, "Software\\Velloxsoft\\Vellox\\3.0\\"},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    SCOPED_TRACE("case " + std::to_string(i) + ", id " + std::to_string(cases[i].id));
    EXPECT_EQ(Load(cases[i].id), cases[i].expected);
  }
}

TEST(StringTable, EveryMessageHasOneCaptionAtMost) {
  // A message box takes its caption up to the first tab; a caption never
  // holds a line break, and a caption-only entry would show an empty box.
  int messages = 0;
  for (UINT id = 10000; id < 11000; ++id) {
    std::string text = Load(id);
    if (text.empty()) continue;
    ++messages;
    SCOPED_TRACE("id " + std::to_string(id));
    size_t tab = text.find('\t');
    if (tab == std::string::npos) continue;
    EXPECT_GT(tab, 0u);
    EXPECT_EQ(text.find('\n'), text.find('\n', tab)) << "line break in the caption";
    EXPECT_LT(tab + 1, text.size()) << "caption without text";
  }
  EXPECT_GT(messages, 60);
}

}  // namespace
