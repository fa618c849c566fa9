// What the end-to-end tests share beside starting the program: list files
// in the temporary folder, reading the program's controls from this
// process, waiting for its windows and answering its dialogs.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace e2e {

// How long a test waits for a window of the program to appear or change.
constexpr DWORD kWindowTimeout = 20000;

// The temporary folder, with a trailing backslash.
std::string TempFolder();
// The sample list shipped with the program, and its bytes.
std::string SampleListSource();
std::string SampleListBytes();

// A list file "<name>.bkl" in the temporary folder, removed afterwards with
// the backups the program makes of it.
class TempList {
 public:
  // A copy of the sample list.
  explicit TempList(const std::string& name);
  // A list of these bytes; nothing is written when they are empty.
  TempList(const std::string& name, const std::string& bytes);
  ~TempList();
  TempList(const TempList&) = delete;
  TempList& operator=(const TempList&) = delete;

  const std::string& Path() const { return path_; }
  bool Written() const { return written_; }

 private:
  std::string name_;
  std::string path_;
  bool written_ = false;
};

// The bytes of a file, read while the program may hold it open; empty when
// it cannot be opened.
std::string ReadFileBytes(const std::string& path);

// The column line of a list file, and a list file's bytes from its lines
// (each ended by CR LF).
constexpr char kListColumns[] =
    "ID\tLevel\tFlags\tTimeModified\tAliasID\tTitle\tURL\tNotes\tKeywords\tLogin\tPassword\tBrowser"
    "\tHotkey\tRating\tTimeAdded\tVisits\tTimeLastVisit\tTimePreviousVisit\tTimeDueVisit\tDueVisitI"
    "nterval\tSiteStatus\tDateSiteUpdated\tTimeSiteChecked";
std::string ListFileBytes(const std::vector<std::string>& lines);
// The first lines of a list file: the header given, the column line, the
// root and the SmartFolders with their five folders.
std::vector<std::string> ListHeadLines(const std::string& header);
// Every line of a list file as the program saved it, split at its tabs (the
// CR of a line end dropped); empty when the file cannot be read.
std::vector<std::vector<std::string>> ListFileFields(const std::string& path);

// A text (REG_SZ) value of an open key.
void SetStringValue(HKEY key, const char* name, const std::string& value);

// The text of a control of another process (travelling as UTF-16).
std::string ControlText(HWND dialog, int id);
// One line of a list box, all its lines, and the selected line ("" when
// none). Across processes the line text travels as UTF-16.
std::string ListBoxLine(HWND box, int line);
std::vector<std::string> ListBoxLines(HWND box);
std::vector<std::string> ListBoxLines(HWND dialog, int id);
// The first line of the list box that reads text; -1 when none does.
int ListBoxLineOf(HWND dialog, int id, const std::string& text);
std::string SelectedLine(HWND dialog, int id);

// A choice made as a click would make it: the selection, then the
// notification the list box or combo box sends its dialog.
void ChooseListLine(HWND dialog, int id, int line);
void ChooseComboEntry(HWND dialog, int id, int entry);
// Chooses the first line of the list box that reads text; a test failure
// ("no line ...") when none does.
void ChooseLineReading(HWND dialog, int id, const std::string& text);

// The program's main window once it differs from notThis, is visible and
// has control id (a mode switch builds a new one); null when the time is up.
HWND WaitForMainWith(DWORD pid, int id, HWND notThis = nullptr);
// The program's visible main window with this title; null when the time is up.
HWND WaitForMainTitled(DWORD pid, const std::string& title);
// A visible top-level window of process pid with this title and class (any
// class when empty); null when the time is up.
HWND WaitForWindow(DWORD pid, const std::string& title, const std::string& className = "#32770",
                   DWORD milliseconds = kWindowTimeout);
// A dialog of the program (a message box or one of its own) with this
// caption and the given button.
HWND WaitForDialogWithButton(DWORD pid, const std::string& caption, int button);
// Answers the program's dialog by pressing a button, as a click would, and
// waits for the dialog to close and for the program to handle what the
// answer set going (see WaitForPostedMessages).
bool Answer(DWORD pid, const std::string& caption, int button);

// A numbered table under an open settings key: one subkey per row ("0",
// "1", ...) holding its text values, and the table's "index".
void WriteSettingsTable(HKEY settings, const std::string& table,
                        const std::vector<std::vector<std::pair<const char*, std::string>>>& rows,
                        DWORD index);

// The program's visible main window (every mode has the search box);
// message boxes captioned "Vellox" are not it. Null when there is none.
HWND VisibleMainWindow(DWORD pid);

// Tests that start from fresh user settings and leave fresh ones behind.
class FreshSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace e2e
