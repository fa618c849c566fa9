// Editing the list through the real program: new items typed into the
// title boxes, renaming, deleting with its questions, marking and moving
// through the Edit menu built at run time, sorting, saving, and switching
// lists with the save prompt. The saved file is compared with what the
// list model writes after the same operations.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e_windows.h"
#include "list/bookmark_list.h"
#include "list/list_delete.h"
#include "list/list_file.h"
#include "list/list_marks.h"
#include "list/list_new_item.h"
#include "list/list_sort.h"
#include "list/list_transfer.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

using e2e::kSettingsKey;
using e2e::ListBoxLineOf;
using e2e::ReadFileBytes;

constexpr DWORD kTimeout = 20000;
constexpr uint32_t kDefaultFlags = 0x01904C12;
constexpr uint32_t kAskBeforeSaving = 0x10000;

using e2e::Answer;
using e2e::ChooseListLine;
using e2e::ControlText;
using e2e::ListBoxLines;
using e2e::SampleListSource;
using e2e::SelectedLine;

// The lines of a list file with the two clock fields (TimeModified and
// TimeAdded) blanked: the program and the test run at different times.
std::vector<std::string> ComparableLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start = end + 1;
    std::vector<std::string> fields;
    size_t from = 0;
    for (;;) {
      size_t tab = line.find('\t', from);
      fields.push_back(
          line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
      if (tab == std::string::npos) break;
      from = tab + 1;
    }
    // The salt ("VELLOXFL/A/0/<last id>/<salt>/") is drawn at random when a
    // list without one is first saved.
    if (lines.empty()) {
      size_t slash = 0;
      for (int i = 0; i < 4 && slash != std::string::npos; ++i) slash = line.find('/', slash + 1);
      size_t end = slash == std::string::npos ? slash : line.find('/', slash + 1);
      if (end != std::string::npos)
        fields = {line.substr(0, slash + 1) + "salt" + line.substr(end)};
    }
    if (lines.size() >= 2) {
      if (fields.size() > 3) fields[3] = "T";
      if (fields.size() > 14 && !fields[14].empty()) fields[14] = "T";
    }
    std::string joined;
    for (size_t i = 0; i < fields.size(); ++i) joined += (i ? "\t" : "") + fields[i];
    lines.push_back(joined);
  }
  return lines;
}

// The sample list loaded by the model, for building the expected file.
struct ModelList {
  ModelList() {
    list.path = SampleListSource();
    loaded =
        HeaderAllowsLoading(ReadHeader(list, list.path)) && HeaderAllowsLoading(LoadLines(list, 0));
  }
  // Chooses lines as a click on each column would (-1 = none).
  void Select(int category, int subcategory = -1, int bookmark = -1) {
    list.FillColumn(0, 0);
    list.columns[0].selected = category;
    list.FillColumn(1, 0);
    list.columns[1].selected = subcategory;
    list.FillColumn(2, 0);
    list.columns[2].selected = bookmark;
  }
  uint16_t Selected(int level) const { return list.columns[level].SelectedItem(); }
  std::vector<std::string> Lines() {
    std::string bytes;
    RenderList(list, &bytes);
    return ComparableLines(bytes);
  }
  BookmarkList list;
  bool loaded = false;
};

void SetControlText(HWND dialog, int id, const std::string& text) {
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Command(HWND main, int id) { SendMessageA(main, WM_COMMAND, static_cast<WPARAM>(id), 0); }

// The main window of the process: the dialog with the search box.
HWND MainOf(DWORD pid, HWND notThis = nullptr) {
  for (HWND w : e2e::TopLevelWindows(pid, "#32770"))
    if (w != notThis && GetDlgItem(w, IDC_SEARCH_TEXT) && IsWindowVisible(w)) return w;
  return nullptr;
}

HWND WaitForMain(DWORD pid, const std::string& title, HWND notThis = nullptr) {
  HWND main = nullptr;
  e2e::WaitUntil(
      [&] {
        main = MainOf(pid, notThis);
        return main && e2e::WindowTitle(main) == title;
      },
      kTimeout);
  return main && e2e::WindowTitle(main) == title ? main : nullptr;
}

// The Edit menu's submenu that follows the item with id by offset.
HMENU EditSubmenuAfter(HWND main, int id, int offset, std::string* title) {
  HMENU edit = GetSubMenu(GetMenu(main), 1);
  for (int i = 0, n = GetMenuItemCount(edit); i < n; ++i) {
    if (GetMenuItemID(edit, i) != static_cast<UINT>(id)) continue;
    char text[256] = {};
    GetMenuStringA(edit, static_cast<UINT>(i + offset), text, sizeof text, MF_BYPOSITION);
    *title = text;
    return GetSubMenu(edit, i + offset);
  }
  return nullptr;
}

struct MenuEntry {
  std::string text;
  UINT id;
  bool operator==(const MenuEntry& o) const { return text == o.text && id == o.id; }
};

// Wine keeps a menu's items in the process that made it, so another
// process cannot read them (Windows can): the menu checks then rest on the
// program's own tests of the entries, and the commands are sent by id.
bool MenusReadable(HWND main) { return GetMenuItemCount(GetMenu(main)) > 0; }

std::vector<MenuEntry> Entries(HMENU menu) {
  std::vector<MenuEntry> entries;
  for (int i = 0, n = menu ? GetMenuItemCount(menu) : 0; i < n; ++i) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    entries.push_back({text, GetMenuItemID(menu, i)});
  }
  return entries;
}

void PrintTo(const MenuEntry& e, std::ostream* os) { *os << "\"" << e.text << "\" " << e.id; }

void WriteSettings(const std::vector<std::pair<std::string, std::string>>& lists, uint32_t flags) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(key, "Preferences", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&flags),
                 sizeof flags);
  std::vector<std::vector<std::pair<const char*, std::string>>> rows;
  for (const auto& list : lists) rows.push_back({{"", list.first}, {"Path", list.second}});
  e2e::WriteSettingsTable(key, "Lists", rows, 0);
  RegCloseKey(key);
}

// The mouse over control: the status line shows text. The real pointer
// also moves over the window (and sets the status line) now and then, so
// the message is sent until the text is seen.
bool HelpShown(HWND main, HWND control, const std::string& text) {
  return e2e::WaitUntil(
      [&] {
        SendMessageA(main, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                     MAKELPARAM(control == main ? HTCAPTION : HTCLIENT, WM_MOUSEMOVE));
        return ControlText(main, IDC_STATUS_LINE) == text;
      },
      kTimeout);
}

// Line by line, so that a difference names its line.
void ExpectSameLines(const std::vector<std::string>& saved,
                     const std::vector<std::string>& expected) {
  EXPECT_EQ(saved.size(), expected.size());
  for (size_t i = 0; i < saved.size() && i < expected.size(); ++i)
    EXPECT_EQ(saved[i], expected[i]) << "line " << i;
}

class EditingTest : public e2e::FreshSettingsTest {
 protected:
  // Starts the program on a list and waits for its window in Organize mode.
  HWND StartOrganize(const e2e::TempList& copy, const std::string& title) {
    if (!program.Start(e2e::VelloxExePath(), "\"" + copy.Path() + "\"")) return nullptr;
    HWND main = WaitForMain(program.Id(), title);
    if (main) Command(main, ID_CMD_MODE_ORGANIZE);
    return main;
  }
  // Saves with Ctrl+S and reads the list file back.
  std::vector<std::string> SavedLines(HWND main, const e2e::TempList& copy) {
    Command(main, ID_CMD_FILE_SAVE);
    return ComparableLines(ReadFileBytes(copy.Path()));
  }
  e2e::VelloxProcess program;
};

TEST_F(EditingTest, NewItemsTypedIntoTheTitleBoxesAndRenamingAreSavedAsTheModelWritesThem) {
  e2e::TempList copy("E2E Typing");
  ASSERT_TRUE(copy.Written());
  HWND main = StartOrganize(copy, "E2E Typing - Vellox");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(IsWindowVisible(GetDlgItem(main, IDC_CATEGORY_TITLE)));

  // Message-line help: the control under the mouse explains itself, the
  // window's background restores the status line.
  const std::string status = ControlText(main, IDC_STATUS_LINE);
  EXPECT_TRUE(HelpShown(main, GetDlgItem(main, IDC_SUBCATEGORY_LIST),
                        "To re-order, drag items up or down. To move, drag onto new category or "
                        "use 'Mark' and 'Move'"));
  EXPECT_TRUE(HelpShown(main, GetDlgItem(main, IDC_DELETE_BOOKMARK),
                        "Remove highlighted item. Shortcut: DEL"));
  EXPECT_TRUE(HelpShown(main, GetDlgItem(main, IDC_NEW_CATEGORY), "Insert new item into the list"));
  EXPECT_TRUE(HelpShown(main, main, status));

  // A category, then its subcategory, each committed with Enter.
  Command(main, ID_CMD_NEW_CATEGORY);
  EXPECT_EQ(ControlText(main, IDC_ADDRESS), "http://");
  SetControlText(main, IDC_CATEGORY_TITLE, "  Travel ");
  Command(main, IDOK);
  EXPECT_EQ(ListBoxLines(main, IDC_CATEGORY_LIST).back(), "Travel");
  SetControlText(main, IDC_SUBCATEGORY_TITLE, "Trains");
  Command(main, IDOK);
  EXPECT_EQ(ListBoxLines(main, IDC_SUBCATEGORY_LIST), std::vector<std::string>{"Trains"});

  // A bookmark: an empty address is refused, then it is made.
  SetControlText(main, IDC_BOOKMARK_TITLE, "Rail Europe");
  SetControlText(main, IDC_ADDRESS, "");
  Command(main, IDOK);
  EXPECT_TRUE(ListBoxLines(main, IDC_BOOKMARK_LIST).empty());
  SetControlText(main, IDC_ADDRESS, "http://rail.example/");
  Command(main, ID_CMD_EDIT_BOOKMARK_BOX);
  Command(main, IDOK);
  EXPECT_EQ(ListBoxLines(main, IDC_BOOKMARK_LIST), std::vector<std::string>{"Rail Europe"});

  // Renaming by typing over the title; a cleared subcategory title becomes
  // "(New title)".
  SetControlText(main, IDC_BOOKMARK_TITLE, "Rail Europe Tickets ");
  EXPECT_EQ(ListBoxLines(main, IDC_BOOKMARK_LIST), std::vector<std::string>{"Rail Europe Tickets"});
  Command(main, ID_CMD_EDIT_SUBCATEGORY_BOX);
  SetControlText(main, IDC_SUBCATEGORY_TITLE, "");
  EXPECT_EQ(ListBoxLines(main, IDC_SUBCATEGORY_LIST), std::vector<std::string>{"(New title)"});

  // The same address again offers the duplicate dialog; Cancel keeps the
  // typed bookmark, "Create new bookmark" makes it.
  Command(main, ID_CMD_NEW_BOOKMARK);
  SetControlText(main, IDC_BOOKMARK_TITLE, "Again");
  SetControlText(main, IDC_ADDRESS, "HTTP://RAIL.EXAMPLE/");
  Command(main, ID_CMD_EDIT_BOOKMARK_BOX);
  PostMessageA(main, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(Answer(program.Id(), "Duplicate Bookmark Detected", IDCANCEL));
  EXPECT_EQ(ControlText(main, IDC_BOOKMARK_TITLE), "Again");
  PostMessageA(main, WM_COMMAND, ID_CMD_NEW_BOOKMARK, 0);
  ASSERT_TRUE(Answer(program.Id(), "Duplicate Bookmark Detected", IDC_CREATE_ALIAS));
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return ListBoxLines(main, IDC_BOOKMARK_LIST).size() == 2; }, kTimeout));
  EXPECT_EQ(ListBoxLines(main, IDC_BOOKMARK_LIST),
            (std::vector<std::string>{"Rail Europe Tickets", "Rail Europe Tickets"}));

  ModelList model;
  ASSERT_TRUE(model.loaded);
  BookmarkItem record;
  record.level = kLevelCategory;
  record.title = "Travel";
  ASSERT_GT(AddNewItem(model.list, record), 0);
  record.level = kLevelSubcategory;
  record.title = "Trains";
  ASSERT_GT(AddNewItem(model.list, record), 0);
  record.level = kLevelBookmark;
  record.title = "Rail Europe";
  record.url = "http://rail.example/";
  int bookmark = AddNewItem(model.list, record);
  ASSERT_GT(bookmark, 0);
  ApplyTitleEdit(model.list, static_cast<uint16_t>(bookmark), "Rail Europe Tickets ");
  ApplyTitleEdit(model.list, model.Selected(1), "");
  record.title = "Again";
  ASSERT_GT(AddNewItem(model.list, record, static_cast<uint16_t>(bookmark)), 0);
  ExpectSameLines(SavedLines(main, copy), model.Lines());

  // A command that selects another line while the title box has the
  // focus: the box shows the new line's title (a separator has none), so
  // that the next key does not give it the old one.
  Command(main, ID_CMD_EDIT_BOOKMARK_BOX);
  EXPECT_EQ(ControlText(main, IDC_BOOKMARK_TITLE), "Rail Europe Tickets");
  Command(main, ID_CMD_SEPARATOR_BOOKMARK);
  ASSERT_EQ(ListBoxLines(main, IDC_BOOKMARK_LIST).size(), 3u);
  // The new separator stands above the selected bookmark and is selected.
  EXPECT_EQ(SendMessageA(GetDlgItem(main, IDC_BOOKMARK_LIST), LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(ControlText(main, IDC_BOOKMARK_TITLE), "");
  EXPECT_EQ(ControlText(main, IDC_ADDRESS), "");

  // Leaving Organize drops a new bookmark being typed, with its address.
  Command(main, ID_CMD_NEW_BOOKMARK);
  EXPECT_EQ(ControlText(main, IDC_ADDRESS), "http://");
  Command(main, ID_CMD_MODE_REGULAR);
  EXPECT_EQ(ControlText(main, IDC_ADDRESS), "");
  program.Stop();
}

// The box that has the focus in the program's own thread (another
// process's GetFocus cannot tell).
HWND FocusOf(HWND main) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
  return info.hwndFocus;
}

// Puts the focus into a box of the program as a click would.
bool ClickInto(HWND main, int id) {
  HWND box = GetDlgItem(main, id);
  PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  return e2e::WaitUntil([&] { return FocusOf(main) == box; }, kTimeout);
}

// "Create alias" in the duplicate dialog makes an alias of the bookmark
// that has the address, which keeps its title, whichever box Enter was
// pressed in.
TEST_F(EditingTest, AnAliasMadeInTheDuplicateDialogLeavesTheOriginalTitleAlone) {
  e2e::TempList copy("E2E Alias");
  ASSERT_TRUE(copy.Written());
  HWND main = StartOrganize(copy, "E2E Alias - Vellox");
  ASSERT_NE(main, nullptr);
  const struct {
    int enterIn;
    const char* title;
  } cases[] = {{IDC_BOOKMARK_TITLE, "Reuters in the title box"},
               {IDC_ADDRESS, "Reuters in the address box"}};
  // News / Technology gets the aliases; Reuters is in News / World News.
  ChooseListLine(main, IDC_CATEGORY_LIST, ListBoxLineOf(main, IDC_CATEGORY_LIST, "News"));
  ChooseListLine(main, IDC_SUBCATEGORY_LIST,
                 ListBoxLineOf(main, IDC_SUBCATEGORY_LIST, "Technology"));
  size_t lines = ListBoxLines(main, IDC_BOOKMARK_LIST).size();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    Command(main, ID_CMD_NEW_BOOKMARK);
    SetControlText(main, IDC_BOOKMARK_TITLE, c.title);
    SetControlText(main, IDC_ADDRESS, "HTTPS://www.Reuters.com/");
    ASSERT_TRUE(ClickInto(main, c.enterIn));
    PostMessageA(main, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Answer(program.Id(), "Duplicate Bookmark Detected", IDC_CREATE_ALIAS));
    ++lines;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return ListBoxLines(main, IDC_BOOKMARK_LIST).size() == lines; }, kTimeout));
    EXPECT_EQ(SelectedLine(main, IDC_BOOKMARK_LIST), "Reuters");
    EXPECT_EQ(ControlText(main, IDC_BOOKMARK_TITLE), "Reuters");
  }
  Command(main, ID_CMD_FILE_SAVE);
  const std::string saved = ReadFileBytes(copy.Path());
  EXPECT_NE(saved.find("\tReuters\thttps://www.reuters.com/\t"), std::string::npos);
  for (const auto& c : cases) EXPECT_EQ(saved.find(c.title), std::string::npos) << c.title;
  program.Stop();
}

TEST_F(EditingTest, MarkedItemsMoveThroughTheBuiltEditMenuAndDeletingAsksFirst) {
  e2e::TempList copy("E2E Moving");
  ASSERT_TRUE(copy.Written());
  HWND main = StartOrganize(copy, "E2E Moving - Vellox");
  ASSERT_NE(main, nullptr);
  ModelList model;
  ASSERT_TRUE(model.loaded);

  // Mark two bookmarks of News / World News.
  ChooseListLine(main, IDC_CATEGORY_LIST, ListBoxLineOf(main, IDC_CATEGORY_LIST, "News"));
  ChooseListLine(main, IDC_SUBCATEGORY_LIST, 0);
  ChooseListLine(main, IDC_BOOKMARK_LIST, 0);
  Command(main, ID_CMD_MARK_BOOKMARK);
  ChooseListLine(main, IDC_BOOKMARK_LIST, 1);
  Command(main, ID_CMD_MARK_BOOKMARK);
  EXPECT_EQ(ControlText(main, IDC_STATUS_LINE)
                .rfind("Items marked: 1 category, 1 subcategory, 2 bookmarks", 0),
            0u)
      << ControlText(main, IDC_STATUS_LINE);
  model.Select(1, 0, 0);
  ToggleMarkSelected(model.list, 2);
  model.Select(1, 0, 1);
  ToggleMarkSelected(model.list, 2);

  // The Edit menu offers them for the selected subcategory.
  ChooseListLine(main, IDC_CATEGORY_LIST, ListBoxLineOf(main, IDC_CATEGORY_LIST, "Reference"));
  ChooseListLine(main, IDC_SUBCATEGORY_LIST, 0);
  int moveBookmarks = ID_CMD_MOVE_MARKED_BOOKMARK;
  std::string moveTitle, aliasTitle;
  if (MenusReadable(main)) {
    HMENU move = EditSubmenuAfter(main, ID_CMD_MARK_FOUND, 1, &moveTitle);
    HMENU alias = EditSubmenuAfter(main, ID_CMD_MARK_FOUND, 2, &aliasTitle);
    EXPECT_EQ(moveTitle, "&Move marked");
    EXPECT_EQ(aliasTitle, "&Alias Marked");
    EXPECT_EQ(Entries(move),
              (std::vector<MenuEntry>{
                  {"&Bookmarks into 'Encyclopedias'", ID_CMD_MOVE_MARKED_BOOKMARK},
                  {"&Subcategory into 'Reference'", ID_CMD_MOVE_MARKED_SUBCATEGORY}}));
    EXPECT_EQ(Entries(alias),
              (std::vector<MenuEntry>{
                  {"&Bookmarks into 'Encyclopedias'", ID_CMD_ALIAS_MARKED_BOOKMARK},
                  {"&Subcategory into 'Reference'", ID_CMD_ALIAS_MARKED_SUBCATEGORY}}));
    if (!Entries(move).empty()) moveBookmarks = static_cast<int>(Entries(move).front().id);
  }
  Command(main, moveBookmarks);
  EXPECT_EQ(
      ListBoxLines(main, IDC_BOOKMARK_LIST),
      (std::vector<std::string>{"Wikipedia", "Encyclopaedia Britannica", "Reuters", "AP News"}));
  if (MenusReadable(main)) {
    EXPECT_TRUE(Entries(EditSubmenuAfter(main, ID_CMD_MARK_FOUND, 1, &moveTitle)).empty())
        << "marks are cleared";
  }
  EXPECT_EQ(ControlText(main, IDC_STATUS_LINE).find("Items marked"), std::string::npos);
  model.Select(2, 0);
  ASSERT_EQ(TransferMarked(model.list, nullptr, 2, 0, kTransferMove), 0);

  // Sorting the bookmarks of the subcategory.
  Command(main, ID_CMD_SORT_BOOKMARKS);
  EXPECT_EQ(
      ListBoxLines(main, IDC_BOOKMARK_LIST),
      (std::vector<std::string>{"AP News", "Encyclopaedia Britannica", "Reuters", "Wikipedia"}));
  model.Select(2, 0);
  SortColumn(model.list, 2);

  // An alias of Reuters in Dictionaries, then deleting Reuters asks which
  // instance goes.
  ChooseListLine(main, IDC_BOOKMARK_LIST, 2);
  Command(main, ID_CMD_MARK_BOOKMARK);
  ChooseListLine(main, IDC_SUBCATEGORY_LIST,
                 ListBoxLineOf(main, IDC_SUBCATEGORY_LIST, "Dictionaries"));
  Command(main, ID_CMD_ALIAS_MARKED_BOOKMARK);
  EXPECT_EQ(ListBoxLines(main, IDC_BOOKMARK_LIST).back(), "Reuters");
  model.Select(2, 0, 2);
  ToggleMarkSelected(model.list, 2);
  model.Select(2, 1);
  ASSERT_EQ(TransferMarked(model.list, nullptr, 2, 0, kTransferAlias), 0);

  ChooseListLine(main, IDC_SUBCATEGORY_LIST, 0);
  ChooseListLine(main, IDC_BOOKMARK_LIST, 2);
  PostMessageA(main, WM_COMMAND, ID_CMD_DELETE_BOOKMARK, 0);
  ASSERT_TRUE(Answer(program.Id(), "Delete 'Reuters'", IDCANCEL));
  EXPECT_EQ(ListBoxLines(main, IDC_BOOKMARK_LIST).size(), 4u);
  PostMessageA(main, WM_COMMAND, ID_CMD_DELETE_BOOKMARK, 0);
  ASSERT_TRUE(Answer(program.Id(), "Delete 'Reuters'", IDC_DELETE_THIS_INSTANCE));
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return ListBoxLines(main, IDC_BOOKMARK_LIST).size() == 3; }, kTimeout));
  model.Select(2, 0, 2);
  DeleteSelected(model.list, 2, false);

  // A subcategory with children asks "Delete All?"; Cancel keeps it.
  int maps = ListBoxLineOf(main, IDC_SUBCATEGORY_LIST, "Maps");
  ChooseListLine(main, IDC_SUBCATEGORY_LIST, maps);
  PostMessageA(main, WM_COMMAND, ID_CMD_DELETE_SUBCATEGORY, 0);
  ASSERT_TRUE(Answer(program.Id(), "Delete All?", IDCANCEL));
  EXPECT_NE(ListBoxLineOf(main, IDC_SUBCATEGORY_LIST, "Maps"), -1);
  PostMessageA(main, WM_COMMAND, ID_CMD_DELETE_SUBCATEGORY, 0);
  ASSERT_TRUE(Answer(program.Id(), "Delete All?", IDOK));
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return ListBoxLineOf(main, IDC_SUBCATEGORY_LIST, "Maps") == -1; }, kTimeout));
  model.Select(2, maps);
  DeleteSelected(model.list, 1, false);

  // SmartFolders stay.
  ChooseListLine(main, IDC_CATEGORY_LIST, 0);
  PostMessageA(main, WM_COMMAND, ID_CMD_DELETE_CATEGORY, 0);
  ASSERT_TRUE(Answer(program.Id(), "Message", IDOK));
  EXPECT_EQ(ListBoxLines(main, IDC_CATEGORY_LIST).front(), "SmartFolders");

  // Delete marked, after its question.
  ChooseListLine(main, IDC_CATEGORY_LIST, ListBoxLineOf(main, IDC_CATEGORY_LIST, "News"));
  ChooseListLine(main, IDC_SUBCATEGORY_LIST,
                 ListBoxLineOf(main, IDC_SUBCATEGORY_LIST, "Technology"));
  ChooseListLine(main, IDC_BOOKMARK_LIST, 0);
  Command(main, ID_CMD_MARK_BOOKMARK);
  PostMessageA(main, WM_COMMAND, ID_CMD_DELETE_MARKED, 0);
  ASSERT_TRUE(Answer(program.Id(), "Delete Marked", IDOK));
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return ListBoxLines(main, IDC_BOOKMARK_LIST).size() == 2; }, kTimeout));
  model.Select(1, 1, 0);
  ToggleMarkSelected(model.list, 2);
  DeleteMarked(model.list);

  // The Delete key in a column of Organize mode deletes its selection.
  ChooseListLine(main, IDC_BOOKMARK_LIST, 1);
  SendMessageA(GetDlgItem(main, IDC_BOOKMARK_LIST), WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(ListBoxLines(main, IDC_BOOKMARK_LIST), std::vector<std::string>{"Hacker News"});
  model.Select(1, 1, 1);
  DeleteSelected(model.list, 2, false);

  ExpectSameLines(SavedLines(main, copy), model.Lines());
  program.Stop();
}

TEST_F(EditingTest, SwitchingListsOffersToSaveAndNoReadsTheListAgain) {
  e2e::TempList alpha("E2E Alpha");
  e2e::TempList beta("E2E Beta");
  ASSERT_TRUE(alpha.Written() && beta.Written());
  WriteSettings({{"Alpha", alpha.Path()}, {"Beta", beta.Path()}},
                (kDefaultFlags & ~0xFu) | 2 | kAskBeforeSaving);
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), ""));
  HWND main = WaitForMain(program.Id(), "Alpha - Vellox");
  ASSERT_NE(main, nullptr);
  const std::string before = ReadFileBytes(alpha.Path());

  // The File menu lists both with their keys, the current one checked.
  if (MenusReadable(main)) {
    std::vector<MenuEntry> file = Entries(GetSubMenu(GetMenu(main), 0));
    ASSERT_GE(file.size(), 2u);
    EXPECT_EQ(file[0], (MenuEntry{"Alpha\tCtrl+1", 9100}));
    EXPECT_EQ(file[1], (MenuEntry{"Beta\tCtrl+2", 9101}));
  }

  // Rename a category in Organize mode: the list is changed.
  ChooseListLine(main, IDC_CATEGORY_LIST, ListBoxLineOf(main, IDC_CATEGORY_LIST, "News"));
  Command(main, ID_CMD_EDIT_CATEGORY_BOX);
  SetControlText(main, IDC_CATEGORY_TITLE, "Changed News");
  ASSERT_NE(ListBoxLineOf(main, IDC_CATEGORY_LIST, "Changed News"), -1);

  // Ctrl+2: Cancel stays; No switches without saving.
  PostMessageA(main, WM_COMMAND, 9101, 0);
  ASSERT_TRUE(Answer(program.Id(), "Vellox", IDCANCEL));
  EXPECT_EQ(e2e::WindowTitle(main), "Alpha - Vellox");
  EXPECT_NE(ListBoxLineOf(main, IDC_CATEGORY_LIST, "Changed News"), -1);
  PostMessageA(main, WM_COMMAND, 9101, 0);
  ASSERT_TRUE(Answer(program.Id(), "Vellox", IDNO));
  main = WaitForMain(program.Id(), "Beta - Vellox");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(ReadFileBytes(alpha.Path()), before);

  // Ctrl+1: Beta is unchanged, so no question; Alpha is as in its file.
  PostMessageA(main, WM_COMMAND, 9100, 0);
  main = WaitForMain(program.Id(), "Alpha - Vellox");
  ASSERT_NE(main, nullptr);
  EXPECT_NE(ListBoxLineOf(main, IDC_CATEGORY_LIST, "News"), -1);
  EXPECT_EQ(ListBoxLineOf(main, IDC_CATEGORY_LIST, "Changed News"), -1);

  // Exiting asks as well; No ends the program and leaves the file alone.
  ChooseListLine(main, IDC_CATEGORY_LIST, ListBoxLineOf(main, IDC_CATEGORY_LIST, "News"));
  Command(main, ID_CMD_EDIT_CATEGORY_BOX);
  SetControlText(main, IDC_CATEGORY_TITLE, "Changed Again");
  ASSERT_NE(ListBoxLineOf(main, IDC_CATEGORY_LIST, "Changed Again"), -1);
  PostMessageA(main, WM_COMMAND, ID_CMD_APP_EXIT, 0);
  ASSERT_TRUE(Answer(program.Id(), "Vellox", IDNO));
  EXPECT_TRUE(program.WaitForExit(kTimeout));
  EXPECT_EQ(ReadFileBytes(alpha.Path()), before);
}

TEST_F(EditingTest, MarksKeptInTheOtherListAreDuplicatedIntoThisOne) {
  e2e::TempList alpha("E2E Marks Alpha");
  e2e::TempList beta("E2E Marks Beta");
  ASSERT_TRUE(alpha.Written() && beta.Written());
  WriteSettings({{"Alpha", alpha.Path()}, {"Beta", beta.Path()}}, kDefaultFlags);
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), ""));
  HWND main = WaitForMain(program.Id(), "Alpha - Vellox");
  ASSERT_NE(main, nullptr);
  ChooseListLine(main, IDC_CATEGORY_LIST, ListBoxLineOf(main, IDC_CATEGORY_LIST, "News"));
  ChooseListLine(main, IDC_SUBCATEGORY_LIST, 0);
  ChooseListLine(main, IDC_BOOKMARK_LIST, 0);
  Command(main, ID_CMD_MARK_BOOKMARK);

  // Alpha holds marks, so it stays open beside Beta.
  PostMessageA(main, WM_COMMAND, 9101, 0);
  main = WaitForMain(program.Id(), "Beta - Vellox");
  ASSERT_NE(main, nullptr);
  // The menu help of the other list's commands names that list.
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        SendMessageA(main, WM_MENUSELECT, MAKEWPARAM(ID_CMD_MOVE_FROM_LIST_BOOKMARK, MF_STRING),
                     reinterpret_cast<LPARAM>(GetMenu(main)));
        return ControlText(main, IDC_STATUS_LINE) ==
               "Remove marked items from bookmark list 'Alpha' and insert under highlighted "
               "category";
      },
      kTimeout));

  ChooseListLine(main, IDC_CATEGORY_LIST, ListBoxLineOf(main, IDC_CATEGORY_LIST, "Reference"));
  ChooseListLine(main, IDC_SUBCATEGORY_LIST, 0);
  Command(main, ID_CMD_DUPLICATE_MARKED_BOOKMARK);
  EXPECT_EQ(ListBoxLines(main, IDC_BOOKMARK_LIST),
            (std::vector<std::string>{"Wikipedia", "Encyclopaedia Britannica", "Reuters"}));

  ModelList source;
  ModelList target;
  ASSERT_TRUE(source.loaded && target.loaded);
  source.Select(1, 0, 0);
  ToggleMarkSelected(source.list, 2);
  target.Select(2, 0);
  ASSERT_EQ(TransferMarked(target.list, &source.list, 2, 0, kTransferCopyFromHolding), 0);
  ExpectSameLines(SavedLines(main, beta), target.Lines());
  program.Stop();
}

TEST_F(EditingTest, CtrlNInCompactTypesTheBookmarkInOrganizeAndReturns) {
  e2e::TempList copy("E2E Compact");
  ASSERT_TRUE(copy.Written());
  WriteSettings({{"Compact", copy.Path()}}, (kDefaultFlags & ~0xFu) | 1);
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), ""));
  HWND compact = WaitForMain(program.Id(), "Compact - Vellox");
  ASSERT_NE(compact, nullptr);
  ASSERT_NE(GetDlgItem(compact, IDC_CATEGORY_PICKER), nullptr);

  PostMessageA(compact, WM_COMMAND, ID_CMD_NEW_BOOKMARK, 0);
  HWND organize = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        organize = MainOf(program.Id(), compact);
        return organize && GetDlgItem(organize, IDC_CATEGORY_LIST) &&
               IsWindowVisible(GetDlgItem(organize, IDC_BOOKMARK_TITLE)) &&
               ControlText(organize, IDC_ADDRESS) == "http://";
      },
      kTimeout));
  SetControlText(organize, IDC_BOOKMARK_TITLE, "Typed in Organize");
  SetControlText(organize, IDC_ADDRESS, "http://typed.example/");
  Command(organize, ID_CMD_EDIT_BOOKMARK_BOX);
  PostMessageA(organize, WM_COMMAND, IDOK, 0);
  HWND back = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        back = MainOf(program.Id(), organize);
        return back && GetDlgItem(back, IDC_CATEGORY_PICKER);
      },
      kTimeout));
  Command(back, ID_CMD_FILE_SAVE);
  EXPECT_NE(ReadFileBytes(copy.Path()).find("\tTyped in Organize\thttp://typed.example/\t"),
            std::string::npos);
  program.Stop();
}

}  // namespace
