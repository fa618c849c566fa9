// The guard before large deletions, through the real program: deleting a
// whole category of the sample list and saving keeps the file as it was in
// the "Before large deletion" snapshot, and Revert offers that snapshot as
// a fifth choice (only once it exists), which brings the category back.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e_windows.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

using e2e::ListBoxLineOf;
using e2e::ReadFileBytes;

constexpr char kName[] = "E2E Guarded";
constexpr char kRevertTitle[] = "Revert bookmark list";

bool Command(DWORD pid, HWND main, int id) {
  PostMessageA(main, WM_COMMAND, id, 0);
  return e2e::WaitForPostedMessages(pid);
}

class DeletionGuard : public e2e::FreshSettingsTest {};

TEST_F(DeletionGuard, RevertOffersTheFileAsItWasBeforeALargeDeletion) {
  e2e::TempList list(kName);
  ASSERT_TRUE(list.Written());
  const std::string snapshot = e2e::TempFolder() + "Before large deletion of " + kName + ".bkl";
  DeleteFileA(snapshot.c_str());
  const std::string original = ReadFileBytes(list.Path());

  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  const DWORD pid = program.Id();
  HWND main = e2e::WaitForMainTitled(pid, std::string(kName) + " - Vellox");
  ASSERT_NE(main, nullptr);

  // Without a snapshot the dialog has its four choices only.
  PostMessageA(main, WM_COMMAND, ID_CMD_REVERT, 0);
  HWND revert = e2e::WaitForWindow(pid, kRevertTitle);
  ASSERT_NE(revert, nullptr);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(revert, IDC_REVERT_BEFORE_LARGE_DELETION)));
  ASSERT_TRUE(e2e::Answer(pid, kRevertTitle, IDCANCEL));

  // "Reference" holds 15 of the list's 53 live bookmarks and containers.
  int reference = ListBoxLineOf(main, IDC_CATEGORY_LIST, "Reference");
  ASSERT_GE(reference, 0);
  e2e::ChooseListLine(main, IDC_CATEGORY_LIST, reference);
  PostMessageA(main, WM_COMMAND, ID_CMD_DELETE_CATEGORY, 0);
  ASSERT_TRUE(e2e::Answer(pid, "Delete All?", IDOK));
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return ListBoxLineOf(main, IDC_CATEGORY_LIST, "Reference") == -1; },
                     e2e::kWindowTimeout));
  ASSERT_TRUE(Command(pid, main, ID_CMD_FILE_SAVE));
  EXPECT_EQ(ReadFileBytes(snapshot), original);
  EXPECT_NE(ReadFileBytes(list.Path()), original);

  // Now the fifth choice is there, with the snapshot's time.
  PostMessageA(main, WM_COMMAND, ID_CMD_REVERT, 0);
  revert = e2e::WaitForWindow(pid, kRevertTitle);
  ASSERT_NE(revert, nullptr);
  HWND fifth = GetDlgItem(revert, IDC_REVERT_BEFORE_LARGE_DELETION);
  EXPECT_TRUE(IsWindowVisible(fifth));
  EXPECT_TRUE(IsWindowEnabled(fifth));
  EXPECT_EQ(e2e::ControlText(revert, IDC_REVERT_BEFORE_LARGE_DELETION)
                .rfind("Before large deletion (", 0),
            0u)
      << e2e::ControlText(revert, IDC_REVERT_BEFORE_LARGE_DELETION);
  CheckRadioButton(revert, IDC_REVERT_LAST_SAVED, IDC_REVERT_BEFORE_LARGE_DELETION,
                   IDC_REVERT_BEFORE_LARGE_DELETION);
  ASSERT_TRUE(e2e::Answer(pid, kRevertTitle, IDOK));

  // The category is back, and the next save writes it over the list file.
  EXPECT_TRUE(
      e2e::WaitUntil([&] { return ListBoxLineOf(main, IDC_CATEGORY_LIST, "Reference") >= 0; },
                     e2e::kWindowTimeout));
  EXPECT_EQ(e2e::WindowTitle(main), std::string(kName) + " - Vellox");
  ASSERT_TRUE(Command(pid, main, ID_CMD_FILE_SAVE));
  EXPECT_NE(ReadFileBytes(list.Path()).find("Encyclopaedia Britannica"), std::string::npos);
  program.Stop();
}

}  // namespace
