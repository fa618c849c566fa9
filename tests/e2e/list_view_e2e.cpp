// The List View dialog through the real program: the rows of its views on
// a list of known content, and its actions (Mark, Convert to aliases,
// Undelete) followed by a save.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr DWORD kTimeout = 20000;

// Work / Mail: Alpha (aliased), "Alpha again" (same address, modified
// later), Beta (a visit due), an alias of Alpha, Gone (deleted);
// Home / Misc: Gamma.
const char* const kListLines[] = {
    "VELLOXFL/A/0/30//",
    e2e::kListColumns,
    "0\t0\t0\t1704067200",
    "1\t1\t8\t1704067200\t\tSmartFolders",
    "2\t2\t9\t1704067200\t\tFavorites",
    "3\t2\t10\t1704067200\t\tDue to visit",
    "4\t2\t11\t1704067200\t\tFrequently visited",
    "5\t2\t12\t1704067200\t\tRecently added",
    "6\t2\t13\t1704067200\t\tRecently visited",
    "10\t1\t0\t1704067200\t\tWork",
    "11\t2\t0\t1704067200\t\tMail",
    "12\t3\t80\t1704067200\t\tAlpha\thttp://a.example/\t\t\t\t\t\t\t\t1704067200\t3",
    "13\t3\t16\t1704067300\t\tAlpha again\tHTTP://A.EXAMPLE/\t\t\t\t\t\t\t\t1704067200\t2",
    "14\t3\t16\t1704067200\t\tBeta\thttp://b.example/\t\t\t\t\t\t\t\t1704067200\t\t\t\t1900000000",
    "15\t3\t0\t1704067200\t12",
    "16\t3\t2064\t1704067200\t\tGone\thttp://gone.example/",
    "20\t1\t0\t1704067200\t\tHome",
    "21\t2\t0\t1704067200\t\tMisc",
    "22\t3\t16\t1704067200\t\tGamma\thttp://c.example/",
};

// Column 1 of the default columns is the title.
constexpr int kTitleColumn = 1;

std::string KnownListBytes() {
  std::string bytes;
  for (const char* line : kListLines) bytes += std::string(line) + "\r\n";
  return bytes;
}

class KnownList : public e2e::TempList {
 public:
  KnownList() : TempList("E2E ListView", KnownListBytes()) {}
  // The saved lines by ID, each split at its tabs.
  std::map<std::string, std::vector<std::string>> ItemsById() const {
    std::map<std::string, std::vector<std::string>> items;
    const std::vector<std::vector<std::string>> lines = e2e::ListFileFields(Path());
    // After the header and the column line.
    for (size_t n = 2; n < lines.size(); ++n)
      if (!lines[n].empty()) items[lines[n][0]] = lines[n];
    return items;
  }
};

// Memory in the program's process for list-view messages that carry
// pointers (an LVITEM and its text buffer).
class RemoteItem {
 public:
  explicit RemoteItem(HANDLE process) : process_(process) {
    memory_ = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kText,
                                                MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  }
  ~RemoteItem() {
    if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
  }
  bool Valid() const { return memory_ != nullptr; }

  std::string Text(HWND table, int row, int column) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = memory_ + sizeof(LVITEMA);
    item.cchTextMax = kText;
    if (!WriteProcessMemory(process_, memory_, &item, sizeof item, nullptr)) return "?";
    SendMessageA(table, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(memory_));
    char text[kText] = {};
    ReadProcessMemory(process_, memory_ + sizeof(LVITEMA), text, kText - 1, nullptr);
    return text;
  }

  void SetChecked(HWND table, int row, bool checked) {
    LVITEMA item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    WriteProcessMemory(process_, memory_, &item, sizeof item, nullptr);
    SendMessageA(table, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(memory_));
  }

  // The table's column order (indexes in display order).
  void SetColumnOrder(HWND table, const std::vector<int>& order) {
    WriteProcessMemory(process_, memory_, order.data(), order.size() * sizeof(int), nullptr);
    SendMessageA(table, LVM_SETCOLUMNORDERARRAY, order.size(), reinterpret_cast<LPARAM>(memory_));
  }

  std::string ColumnTitle(HWND table, int column) {
    LVCOLUMNA header = {};
    header.mask = LVCF_TEXT;
    header.pszText = memory_ + sizeof(LVITEMA);
    header.cchTextMax = kText;
    WriteProcessMemory(process_, memory_, &header, sizeof header, nullptr);
    SendMessageA(table, LVM_GETCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(memory_));
    char text[kText] = {};
    ReadProcessMemory(process_, memory_ + sizeof(LVITEMA), text, kText - 1, nullptr);
    return text;
  }

 private:
  static constexpr int kText = 512;
  HANDLE process_;
  char* memory_ = nullptr;
};

class ListViewTest : public e2e::FreshSettingsTest {
 protected:
  void SetUp() override {
    FreshSettingsTest::SetUp();
    ASSERT_TRUE(list_.Written());
    ASSERT_TRUE(program_.Start(e2e::VelloxExePath(), "\"" + list_.Path() + "\""));
    main_ = e2e::WaitForMainTitled(program_.Id(), "E2E ListView - Vellox");
    ASSERT_NE(main_, nullptr);
  }
  void TearDown() override {
    program_.Stop();
    FreshSettingsTest::TearDown();
  }

  void Choose(int boxId, const std::string& line) { e2e::ChooseLineReading(main_, boxId, line); }
  void SelectBookmark(const std::string& category, const std::string& subcategory,
                      const std::string& bookmark) {
    Choose(IDC_CATEGORY_LIST, category);
    Choose(IDC_SUBCATEGORY_LIST, subcategory);
    Choose(IDC_BOOKMARK_LIST, bookmark);
  }
  void Command(int id) { SendMessageA(main_, WM_COMMAND, static_cast<WPARAM>(id), 0); }

  // The visible List View dialog of the program.
  HWND Dialog() { return e2e::WaitForWindow(program_.Id(), "List View"); }
  HWND Table() { return GetDlgItem(Dialog(), IDC_VIEW_TABLE); }
  std::vector<std::string> Titles() {
    HWND table = Table();
    RemoteItem remote(program_.Handle());
    std::vector<std::string> titles;
    int count = static_cast<int>(SendMessageA(table, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) titles.push_back(remote.Text(table, row, kTitleColumn));
    return titles;
  }
  void ShowEntry(int entry) { e2e::ChooseComboEntry(Dialog(), IDC_VIEW_SHOW, entry); }
  // Chooses the action at position in the drop-down and presses "&Do".
  void Do(int position) {
    HWND dialog = Dialog();
    e2e::ChooseComboEntry(dialog, IDC_VIEW_ACTION, position);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_VIEW_DO, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_VIEW_DO)));
  }
  std::string ActionText(int position) {
    // Across processes the entry's text travels as UTF-16.
    wchar_t wide[128] = {};
    HWND action = GetDlgItem(Dialog(), IDC_VIEW_ACTION);
    if (SendMessageW(action, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0) < 128)
      SendMessageW(action, CB_GETLBTEXT, static_cast<WPARAM>(position),
                   reinterpret_cast<LPARAM>(wide));
    char text[256] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
  }
  bool Shown(int id) { return IsWindowVisible(GetDlgItem(Dialog(), id)) != 0; }

  KnownList list_;
  e2e::VelloxProcess program_;
  HWND main_ = nullptr;
};

using Lines = std::vector<std::string>;

TEST_F(ListViewTest, ViewsShowTheirRows) {
  SelectBookmark("Work", "Mail", "Alpha");
  Command(ID_CMD_SHOW_ALIASES);
  HWND dialog = Dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Titles(), (Lines{"Alpha", "Alpha"}));
  EXPECT_TRUE(Shown(IDC_VIEW_NEXT_GROUP));
  EXPECT_FALSE(Shown(IDC_VIEW_IGNORE_SMART));
  {
    RemoteItem remote(program_.Handle());
    ASSERT_TRUE(remote.Valid());
    EXPECT_EQ(remote.Text(Table(), 0, 0), "Work > Mail");
  }
  // The row of the main window's selection is selected.
  EXPECT_EQ(SendMessageA(Table(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);

  ShowEntry(3);  // Duplicates (grouped)
  EXPECT_EQ(Titles(), (Lines{"Alpha", "Alpha again"}));
  EXPECT_EQ(ActionText(1), "Convert to aliases");
  ShowEntry(4);  // Duplicates (all)
  EXPECT_EQ(Titles(), (Lines{"Alpha", "Alpha again"}));
  EXPECT_FALSE(Shown(IDC_VIEW_NEXT_GROUP));
  ShowEntry(5);  // Scheduled
  EXPECT_EQ(Titles(), Lines{"Beta"});
  ShowEntry(6);  // All
  EXPECT_EQ(Titles(), (Lines{"Alpha", "Alpha again", "Beta", "Alpha", "Gamma"}));
  EXPECT_TRUE(Shown(IDC_VIEW_IGNORE_SMART));
  ShowEntry(7);  // Deleted
  EXPECT_EQ(Titles(), Lines{"Gone"});
  EXPECT_EQ(ActionText(0), "Undelete");
  EXPECT_EQ(ActionText(1), "Delete permanently");

  // "Mark" on a checked row of All; the Marked view then shows it.
  ShowEntry(6);
  {
    RemoteItem remote(program_.Handle());
    remote.SetChecked(Table(), 4, true);  // Gamma
  }
  Do(1);  // Open, Mark, Delete
  EXPECT_EQ(SendMessageA(GetDlgItem(Dialog(), IDC_VIEW_ALL), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  ShowEntry(1);  // Marked
  EXPECT_EQ(Titles(), Lines{"Gamma"});

  // F9 hides the dialog and shows it again on the last entry.
  Command(ID_CMD_TOGGLE_LIST_VIEW);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(dialog); }, kTimeout));
  Command(ID_CMD_TOGGLE_LIST_VIEW);
  EXPECT_EQ(Titles(), Lines{"Gamma"});
}

TEST_F(ListViewTest, ConvertToAliasesAndUndeleteAreSaved) {
  SelectBookmark("Work", "Mail", "Alpha");
  Command(ID_CMD_MANAGE_DUPLICATES);
  ASSERT_NE(Dialog(), nullptr);
  ShowEntry(3);  // Duplicates (grouped) around Alpha
  ASSERT_EQ(Titles(), (Lines{"Alpha", "Alpha again"}));
  // "&All" checks both rows.
  HWND all = GetDlgItem(Dialog(), IDC_VIEW_ALL);
  SendMessageA(all, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(IDC_VIEW_ALL, BN_CLICKED),
               reinterpret_cast<LPARAM>(all));
  Do(1);  // Convert to aliases

  Command(ID_CMD_UNDELETE_ITEMS);
  ASSERT_EQ(Titles(), Lines{"Gone"});
  {
    RemoteItem remote(program_.Handle());
    remote.SetChecked(Table(), 0, true);
  }
  Do(0);  // Undelete
  EXPECT_EQ(Titles(), Lines{});

  Command(ID_CMD_FILE_SAVE);
  std::map<std::string, std::vector<std::string>> items;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        items = list_.ItemsById();
        return items.count("16") && items["16"].size() > 2 && items["16"][2] == "16";
      },
      kTimeout));
  // "Alpha again" was modified last: it stays, now with aliases (0x40) and
  // Alpha's visits; Alpha and the alias that pointed at it point at it.
  ASSERT_GE(items["13"].size(), 16u);
  EXPECT_EQ(items["13"][2], "80");
  EXPECT_EQ(items["13"][15], "5");
  ASSERT_GE(items["12"].size(), 5u);
  EXPECT_EQ(items["12"][4], "13");
  EXPECT_EQ(items["12"][2], "0");
  ASSERT_GE(items["15"].size(), 5u);
  EXPECT_EQ(items["15"][4], "13");
  // Gone is back: a live bookmark.
  EXPECT_EQ(items["16"][5], "Gone");
}

TEST_F(ListViewTest, DeleteRemovesCheckedRowsAndSelectsTheFirstRemaining) {
  SelectBookmark("Home", "Misc", "Gamma");
  Command(ID_CMD_TOGGLE_LIST_VIEW);
  ASSERT_NE(Dialog(), nullptr);
  ShowEntry(6);  // All
  ASSERT_EQ(Titles(), (Lines{"Alpha", "Alpha again", "Beta", "Alpha", "Gamma"}));
  {
    RemoteItem remote(program_.Handle());
    remote.SetChecked(Table(), 2, true);  // Beta
    remote.SetChecked(Table(), 4, true);  // Gamma
  }
  Do(2);  // Open, Mark, Delete
  EXPECT_EQ(Titles(), (Lines{"Alpha", "Alpha again", "Alpha"}));
  // The main window shows Work / Mail with Alpha selected; Misc stays
  // (the list-view delete leaves emptied containers).
  HWND bookmarks = GetDlgItem(main_, IDC_BOOKMARK_LIST);
  EXPECT_EQ(SendMessageA(bookmarks, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(bookmarks, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(SendMessageA(GetDlgItem(main_, IDC_CATEGORY_LIST), LB_GETCURSEL, 0, 0), 1);
  ShowEntry(7);  // Deleted
  EXPECT_EQ(Titles(), (Lines{"Beta", "Gone", "Gamma"}));
}

TEST_F(ListViewTest, RectangleAndColumnsSurviveAModeSwitch) {
  Command(ID_CMD_TOGGLE_LIST_VIEW);
  HWND dialog = Dialog();
  ASSERT_NE(dialog, nullptr);
  SetWindowPos(dialog, nullptr, 40, 50, 520, 330, SWP_NOZORDER | SWP_NOACTIVATE);
  {
    RemoteItem remote(program_.Handle());
    EXPECT_EQ(remote.ColumnTitle(Table(), 0), "Category / Subcategory");
    remote.SetColumnOrder(Table(), {1, 0, 2, 3, 4, 5, 6, 7, 8, 9});
  }
  // Compact and back: the dialog is destroyed and built again each time.
  HWND regular = main_;
  PostMessageA(regular, WM_COMMAND, ID_CMD_MODE_COMPACT, 0);
  HWND compact = e2e::WaitForMainWith(program_.Id(), IDC_CATEGORY_PICKER, regular);
  ASSERT_NE(compact, nullptr);
  EXPECT_FALSE(IsWindow(dialog));
  PostMessageA(compact, WM_COMMAND, ID_CMD_MODE_REGULAR, 0);
  main_ = e2e::WaitForMainWith(program_.Id(), IDC_CATEGORY_LIST, compact);
  ASSERT_NE(main_, nullptr);
  Command(ID_CMD_TOGGLE_LIST_VIEW);
  dialog = Dialog();
  ASSERT_NE(dialog, nullptr);
  RECT r = {};
  GetWindowRect(dialog, &r);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, 520);
  EXPECT_EQ(r.bottom - r.top, 330);
  RemoteItem remote(program_.Handle());
  EXPECT_EQ(remote.ColumnTitle(Table(), 0), "Title");
  EXPECT_EQ(remote.ColumnTitle(Table(), 1), "Category / Subcategory");
}

}  // namespace
