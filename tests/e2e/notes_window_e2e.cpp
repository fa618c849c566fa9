// The notes window through the real program: a typed note puts its mark
// after the bookmark's title at once, auto-hide follows the selection, the
// password box masks and unmasks the site password and stores it
// enciphered, and the visit schedule dialog proposes the hour of the due
// time and stores a repeat interval only for a number other than 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "list/due_visit.h"
#include "list/encryption.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr char kSalt[] = "abcdefghij";
constexpr char kListPassword[] = "Sesame";
constexpr char kMask[] = "********";

struct Bookmark {
  const char* title;
  const char* login;
  std::string password;  // as stored
  uint32_t timeDueVisit;
  const char* interval;
};

std::string BookmarkLine(int id, const Bookmark& b) {
  const bool login = *b.login || !b.password.empty();
  std::ostringstream line;
  line << id << "\t3\t" << (login ? 16 | 0x400 : 16) << "\t1704067200\t\t" << b.title << "\thttp://"
       << id << ".example/\t\t\t" << b.login << "\t" << b.password << "\t\t\t\t1704067200\t\t\t\t";
  if (b.timeDueVisit) line << b.timeDueVisit;
  line << "\t" << b.interval;
  return line.str();
}

// Work / Mail holding the bookmarks, after the SmartFolders.
std::string ListBytes(const std::vector<Bookmark>& bookmarks, int encryption,
                      const std::string& check) {
  std::vector<std::string> lines =
      e2e::ListHeadLines("VELLOXFL/A/" + std::to_string(encryption) + "/99/" + kSalt + "/" + check);
  lines.insert(lines.end(), {
                                "10\t1\t0\t1704067200\t\tWork",
                                "11\t2\t0\t1704067200\t\tMail",
                            });
  for (size_t i = 0; i < bookmarks.size(); ++i)
    lines.push_back(BookmarkLine(20 + static_cast<int>(i), bookmarks[i]));
  return e2e::ListFileBytes(lines);
}

// The saved fields of the item with this ID.
std::vector<std::string> SavedItem(const std::string& path, int id) {
  for (const std::vector<std::string>& fields : e2e::ListFileFields(path))
    if (!fields.empty() && fields[0] == std::to_string(id)) return fields;
  return {};
}

std::string Field(const std::vector<std::string>& fields, size_t index) {
  return index < fields.size() ? fields[index] : std::string();
}

HWND NotesWindowOf(DWORD pid) {
  for (HWND w : e2e::TopLevelWindows(pid, "#32770"))
    if (GetDlgItem(w, IDC_NOTES_TABS)) return w;
  return nullptr;
}

// A control of one of the notes window's pages.
HWND NotesControl(HWND notes, int id) {
  for (HWND page = GetWindow(notes, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
    if (HWND control = GetDlgItem(page, id)) return control;
  return nullptr;
}

std::string Text(HWND control) {
  wchar_t wide[512] = {};
  SendMessageW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(wide));
  char text[1024] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

std::string SelectedComboText(HWND combo) {
  LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (selected < 0) return "";
  wchar_t wide[128] = {};
  if (SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0) < 128)
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                 reinterpret_cast<LPARAM>(wide));
  char text[256] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

void Type(HWND box, const std::string& text) {
  for (char c : text)
    PostMessageA(box, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 0);
}

// The rightmost column of a list box line, as it is on the screen, that
// holds anything other than the line's background (read at its far right).
int InkRight(HWND box, int line) {
  RECT r = {};
  SendMessageA(box, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&r));
  const int width = r.right - r.left, height = r.bottom - r.top;
  POINT origin = {r.left, r.top};
  ClientToScreen(box, &origin);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  const COLORREF background = GetPixel(memory, width - 2, height / 2);
  int right = -1;
  for (int x = 0; x < width - 2; ++x)
    for (int y = 1; y < height - 1; ++y)
      if (GetPixel(memory, x, y) != background) {
        right = x;
        break;
      }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return right;
}

bool Overlap(HWND a, HWND b) {
  RECT ra = {}, rb = {}, both = {};
  GetWindowRect(a, &ra);
  GetWindowRect(b, &rb);
  return IntersectRect(&both, &ra, &rb) != FALSE;
}

class NotesWindowTest : public e2e::FreshSettingsTest {
 protected:
  // Starts the program on a list of these bookmarks, with the notes window
  // opened (F5) on the first of them.
  void StartWith(const std::vector<Bookmark>& bookmarks, int encryption = 0,
                 const std::string& check = "") {
    list_ = std::make_unique<e2e::TempList>("E2E Notes", ListBytes(bookmarks, encryption, check));
    ASSERT_TRUE(list_->Written());
    ASSERT_TRUE(program_.Start(e2e::VelloxExePath(), "\"" + list_->Path() + "\""));
    main_ = e2e::WaitForMainTitled(program_.Id(), "E2E Notes - Vellox");
    ASSERT_NE(main_, nullptr);
    titles_.clear();
    for (const Bookmark& b : bookmarks) titles_.push_back(b.title);
    ChooseLine(IDC_CATEGORY_LIST, "Work");
    ChooseLine(IDC_SUBCATEGORY_LIST, "Mail");
    Select(0);
    Command(ID_CMD_TOGGLE_NOTES);
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
          notes_ = NotesWindowOf(program_.Id());
          return notes_ && IsWindowVisible(notes_);
        },
        e2e::kWindowTimeout));
  }
  void TearDown() override {
    program_.Stop();
    list_.reset();
    FreshSettingsTest::TearDown();
  }

  void ChooseLine(int boxId, const std::string& text) {
    e2e::ChooseLineReading(main_, boxId, text);
  }
  void Select(size_t bookmark) { ChooseLine(IDC_BOOKMARK_LIST, titles_[bookmark]); }
  void Command(int id) { SendMessageA(main_, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  HWND Control(int id) { return NotesControl(notes_, id); }
  bool Settled() { return e2e::WaitForPostedMessages(program_.Id()); }

  std::unique_ptr<e2e::TempList> list_;
  e2e::VelloxProcess program_;
  HWND main_ = nullptr;
  HWND notes_ = nullptr;
  std::vector<std::string> titles_;
};

TEST_F(NotesWindowTest, TypingANoteMarksTheTitleAtOnceAndDeletingItUnmarks) {
  StartWith({{"Gamma", "", "", 0, ""}});
  if (HasFatalFailure()) return;
  // Main window in the corner, the notes window docked below it: the
  // bookmark column stays in view.
  SetWindowPos(main_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Command(ID_CMD_DOCK_BELOW);
  ASSERT_TRUE(Settled());
  HWND box = GetDlgItem(main_, IDC_BOOKMARK_LIST);
  RECT notesRect = {}, boxRect = {};
  GetWindowRect(notes_, &notesRect);
  GetWindowRect(box, &boxRect);
  ASSERT_FALSE(Overlap(notes_, box))
      << "notes " << notesRect.left << "," << notesRect.top << " " << notesRect.right << ","
      << notesRect.bottom << "; column " << boxRect.left << "," << boxRect.top << " "
      << boxRect.right << "," << boxRect.bottom;
  const int bare = InkRight(box, 0);
  ASSERT_GT(bare, 0);

  HWND note = Control(IDC_NOTE_TEXT);
  ASSERT_NE(note, nullptr);
  Type(note, "x");
  EXPECT_TRUE(e2e::WaitUntil([&] { return InkRight(box, 0) > bare + 1; }, e2e::kWindowTimeout))
      << "no mark after the title: " << bare << " -> " << InkRight(box, 0);
  EXPECT_EQ(Text(note), "x");

  SendMessageA(note, EM_SETSEL, 0, -1);
  Type(note, "\b");
  EXPECT_TRUE(e2e::WaitUntil([&] { return InkRight(box, 0) == bare; }, e2e::kWindowTimeout))
      << "the mark stayed: " << bare << " -> " << InkRight(box, 0);

  // The typed note went into the bookmark: saved, it is gone again.
  Type(note, "kept");
  ASSERT_TRUE(e2e::WaitUntil([&] { return Text(note) == "kept"; }, e2e::kWindowTimeout));
  Command(ID_CMD_FILE_SAVE);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Field(SavedItem(list_->Path(), 20), 7) == "kept"; },
                             e2e::kWindowTimeout));
}

TEST_F(NotesWindowTest, AutoHideFollowsTheSelection) {
  StartWith({{"With log-in", "me", "", 0, ""}, {"Blank", "", "", 0, ""}});
  if (HasFatalFailure()) return;
  Command(ID_CMD_AUTO_HIDE_NOTES);
  ASSERT_TRUE(Settled());
  EXPECT_TRUE(IsWindowVisible(notes_));
  Select(1);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(notes_); }, e2e::kWindowTimeout));
  Select(0);
  EXPECT_TRUE(
      e2e::WaitUntil([&] { return IsWindowVisible(notes_) != FALSE; }, e2e::kWindowTimeout));
  EXPECT_EQ(Text(Control(IDC_LOGIN)), "me");
  // Auto-hide off: a blank bookmark keeps the window.
  Command(ID_CMD_AUTO_HIDE_NOTES);
  Select(1);
  ASSERT_TRUE(Settled());
  EXPECT_TRUE(IsWindowVisible(notes_));
}

TEST_F(NotesWindowTest, PasswordShowsPlainOnlyWhileFocusedAndIsStoredEnciphered) {
  ListEncryption cipher;
  ASSERT_TRUE(cipher.SetKey(0, kListPassword));
  std::string stored;
  ASSERT_TRUE(cipher.EncipherText("hunter2", &stored));
  StartWith({{"Mail", "me", stored, 0, ""}}, 1, ComputeCheck(kSalt, kListPassword, false));
  if (HasFatalFailure()) return;
  HWND password = Control(IDC_PASSWORD);
  ASSERT_NE(password, nullptr);
  // Locked: the mask, and no editing.
  EXPECT_EQ(Text(password), kMask);
  EXPECT_FALSE(IsWindowEnabled(password));

  // The lock button asks for the list's password; then the box has the
  // focus and the plain password.
  HWND lock = Control(IDC_PASSWORD_LOCK);
  PostMessageA(GetParent(lock), WM_COMMAND, MAKEWPARAM(IDC_PASSWORD_LOCK, BN_CLICKED),
               reinterpret_cast<LPARAM>(lock));
  const char kAsk[] = "Decrypt 'E2E Notes' bookmark list";
  HWND ask = e2e::WaitForDialogWithButton(program_.Id(), kAsk, IDOK);
  ASSERT_NE(ask, nullptr);
  SendMessageA(GetDlgItem(ask, IDC_PASSWORD), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(kListPassword));
  ASSERT_TRUE(e2e::Answer(program_.Id(), kAsk, IDOK));
  EXPECT_TRUE(e2e::WaitUntil([&] { return Text(password) == "hunter2"; }, e2e::kWindowTimeout))
      << Text(password);
  EXPECT_TRUE(IsWindowEnabled(password));

  // Away from the box: the mask again; back: the plain password.
  Command(ID_CMD_FOCUS_NOTE_TEXT);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Text(password) == kMask; }, e2e::kWindowTimeout));
  Command(ID_CMD_FOCUS_PASSWORD);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Text(password) == "hunter2"; }, e2e::kWindowTimeout));

  // A new password typed in stays enciphered in the file.
  SendMessageA(password, EM_SETSEL, 0, -1);
  Type(password, "opensesame");
  ASSERT_TRUE(e2e::WaitUntil([&] { return Text(password) == "opensesame"; }, e2e::kWindowTimeout));
  Command(ID_CMD_FILE_SAVE);
  std::string saved;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        saved = Field(SavedItem(list_->Path(), 20), 10);
        return !saved.empty() && saved != stored;
      },
      e2e::kWindowTimeout));
  EXPECT_EQ(saved.find("opensesame"), std::string::npos) << saved;
  std::string plain;
  ASSERT_TRUE(cipher.DecipherText(saved, 0, &plain)) << saved;
  EXPECT_EQ(plain.c_str(), std::string("opensesame"));
}

// The due times are wall-clock times of 15 January 2030.
uint32_t DueAt(int hour, int minute) {
  return static_cast<uint32_t>(CivilToSeconds(2030, 0, 15, hour, minute, 0));
}

TEST_F(NotesWindowTest, ScheduleDialogProposesTheHourAndStoresNoIntervalForZero) {
  // Each dialog proposes the entry of the due time's hour and the stored
  // interval; then it is cancelled, or set to "22:00 (10PM)" on the date
  // shown and again every number days.
  const struct {
    Bookmark bookmark;
    const char* hourShown;
    const char* number;  // null: cancelled
    const char* stored;
  } rows[] = {
      {{"Late", "", "", DueAt(23, 30), ""}, "22:00 (10PM)", nullptr, ""},
      {{"Evening", "", "", DueAt(21, 0), "2w"}, "20:00 (8PM)", "0", ""},
      {{"Night", "", "", DueAt(3, 0), ""}, "00:00 (midnight)", "3", "3d"},
  };
  std::vector<Bookmark> bookmarks;
  for (const auto& row : rows) bookmarks.push_back(row.bookmark);
  StartWith(bookmarks);
  if (HasFatalFailure()) return;
  const char kCaption[] = "Site Visit Schedule";
  for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
    const auto& row = rows[i];
    SCOPED_TRACE(row.bookmark.title);
    Select(i);
    PostMessageA(main_, WM_COMMAND, ID_CMD_SCHEDULE_VISIT, 0);
    HWND dialog = e2e::WaitForDialogWithButton(program_.Id(), kCaption, IDOK);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SelectedComboText(GetDlgItem(dialog, IDC_SCHEDULE_HOUR)), row.hourShown);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SCHEDULE_ON), BST_CHECKED);
    const bool repeats = *row.bookmark.interval != '\0';
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_REPEAT_ON), repeats ? BST_CHECKED : BST_UNCHECKED);
    if (repeats) {
      EXPECT_EQ(Text(GetDlgItem(dialog, IDC_REPEAT_NUMBER)), "2");
      EXPECT_EQ(SelectedComboText(GetDlgItem(dialog, IDC_REPEAT_UNIT)), "weeks");
    }
    if (!row.number) {
      ASSERT_TRUE(e2e::Answer(program_.Id(), kCaption, IDCANCEL));
      continue;
    }
    e2e::ChooseComboEntry(dialog, IDC_SCHEDULE_HOUR, 15);
    CheckDlgButton(dialog, IDC_REPEAT_ON, BST_CHECKED);
    SendMessageA(GetDlgItem(dialog, IDC_REPEAT_NUMBER), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(row.number));
    e2e::ChooseComboEntry(dialog, IDC_REPEAT_UNIT, 1);
    ASSERT_TRUE(e2e::Answer(program_.Id(), kCaption, IDOK));
  }
  Command(ID_CMD_FILE_SAVE);
  for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
    const auto& row = rows[i];
    const int id = 20 + static_cast<int>(i);
    const uint32_t due = row.number ? DueAt(22, 0) : row.bookmark.timeDueVisit;
    std::vector<std::string> saved;
    EXPECT_TRUE(e2e::WaitUntil(
        [&] {
          saved = SavedItem(list_->Path(), id);
          return Field(saved, 18) == std::to_string(due);
        },
        e2e::kWindowTimeout))
        << row.bookmark.title << " due " << Field(saved, 18);
    EXPECT_EQ(Field(saved, 19), row.number ? row.stored : row.bookmark.interval)
        << row.bookmark.title;
  }
}

}  // namespace
