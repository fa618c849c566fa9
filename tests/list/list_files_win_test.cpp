// Opening, saving and encryption where Windows itself takes part: sharing
// modes across processes, the replace of a file another process reads, and
// values that must be the same in every build.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "list/encryption.h"
#include "list/list_file.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "list/list_slots.h"
#include "resources/resource.h"
#include "support/dialog_answerer_win.h"
#include "support/helper_process_win.h"
#include "support/list_host_script.h"
#include "support/list_test_support.h"
#include "support/sample_lists.h"
#include "support/temp_folder.h"
#include "ui/list_dialogs.h"

using listtest::FindTitle;
using listtest::ReadBytes;

using wintest::Click;
using wintest::DialogAnswerer;
using wintest::HelperProcess;

namespace {

constexpr DWORD kHelperTimeout = 30000;

TEST(ListFilesWin, CheckValuesAndCipherTextMatchTheNativeBuild) {
  // Computed by the native build: lists must open in every build.
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "secret", false), "l2qUCNdIcUA=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "secret", true), "uUN3RHY8NUA=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "a", false), "3rKRs01fe8A=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "a", true), "AAAAAAAA+P8=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "password", false), "Y/aeqBAog8A=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "Pa55word!", false), "A+EvkpZGZsA=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "x", false), "3yj5+PhNakA=");
  ListEncryption enc;
  ASSERT_TRUE(enc.SetKey(0, "secret"));
  std::string sealed, plain;
  ASSERT_TRUE(enc.EncipherText("pass1word\tline", &sealed));
  EXPECT_EQ(sealed, "hCZhJvmt3qJamV4TzWFhIA==");
  ASSERT_TRUE(enc.DecipherText(sealed, 0, &plain));
  EXPECT_EQ(plain, "pass1word\tline");
}

// The helper side: holds the lists named in its task ("A|B") open as the
// program does until it is released.
TEST(ListHolderHelper, HoldsItsLists) {
  std::string task = wintest::HelperTask();
  if (task.empty()) GTEST_SKIP() << "runs only as a helper process";
  Settings settings;
  ListSlots slots(&settings, nullptr);
  size_t bar = task.find('|');
  ASSERT_TRUE(slots.OpenList(task.substr(0, bar), -1, 0, false));
  slots.currentList->markedCount[2] = 1;  // keeps the first open beside the second
  if (bar != std::string::npos) {
    ASSERT_TRUE(slots.OpenList(task.substr(bar + 1), -1, 0, false));
  }
  wintest::SignalHelperReady();
  EXPECT_TRUE(wintest::WaitHelperRelease(kHelperTimeout));
}

// A user who answers dialog 525 through the real dialog.
class DialogUser : public listtest::ScriptedUser {
 public:
  bool ShowReadOnlyWarning() override {
    ++readOnlyWarnings;
    return RunReadOnlyWarning(nullptr);
  }
};

TEST(ListFilesWin, ListOpenInAnotherProcessIsReadOnlyHere) {
  ::TempFolder folder;
  const std::string a = folder.Path("Held A.bkl"), b = folder.Path("Held B.bkl");
  listtest::WriteSampleFile(a, 3);
  listtest::WriteSampleFile(b, 3);
  HelperProcess holder;
  ASSERT_TRUE(holder.Start("ListHolderHelper.HoldsItsLists", a + "|" + b));
  ASSERT_TRUE(holder.WaitReady(kHelperTimeout));

  // The other process denies writers, but not readers.
  platform::File probe;
  EXPECT_EQ(probe.Open(a.c_str(), platform::FileAccess::kReadWrite),
            platform::kErrorSharingViolation);
  EXPECT_EQ(probe.Open(a.c_str(), platform::FileAccess::kRead), platform::kErrorNone);
  probe.Close();

  Settings settings;
  DialogUser user;
  ListSlots slots(&settings, &user);
  DialogAnswerer answerer([](HWND dialog, int) {
    CheckDlgButton(dialog, IDC_NO_READ_ONLY_WARNING, BST_CHECKED);
    Click(dialog, IDOK);
  });
  ASSERT_TRUE(slots.OpenList(a, -1, 0, false));
  EXPECT_TRUE(slots.currentList->readOnly);
  EXPECT_NE(FindTitle(*slots.currentList, "Site 2"), 0);
  EXPECT_EQ(answerer.Activations(), 1);
  EXPECT_TRUE(settings.behaviourFlags & kBehaviourNoReadOnlyWarning);
  ASSERT_TRUE(slots.OpenList(b, -1, 0, false));
  EXPECT_TRUE(slots.currentList->readOnly);
  EXPECT_EQ(answerer.Activations(), 1);  // ticked: not shown again
  EXPECT_EQ(user.readOnlyWarnings, 1);
  holder.Release();
  DWORD exitCode = 1;
  ASSERT_TRUE(holder.WaitForExit(kHelperTimeout, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}

TEST(ListFilesWin, ReplaceRefusedWhileAnotherProgramReadsKeepsBothFiles) {
  ::TempFolder folder;
  const std::string path = folder.Path("Read.bkl");
  const std::string original = listtest::WriteSampleFile(path, 3);
  auto list = listtest::OpenListFile(path);
  BookmarkItem& record = list->Decode(FindTitle(*list, "Site 1"), false);
  record.title = "Changed";
  record.changed = 1;
  {
    platform::File reader;  // e.g. a viewer that keeps the file open
    ASSERT_EQ(reader.Open(path.c_str(), platform::FileAccess::kRead), 0u);
    int result = SaveList(*list, false);
    if (result == kSaveFileError) {
      EXPECT_EQ(ReadBytes(path), original);
      EXPECT_NE(ReadBytes(TemporarySavePath(path)).find("Changed"), std::string::npos);
      EXPECT_TRUE(list->modified);
    } else {
      EXPECT_EQ(result, kSaveOk);  // Windows lets a shared reader stay
    }
  }
  ASSERT_EQ(SaveList(*list, false), kSaveOk);
  EXPECT_NE(ReadBytes(path).find("Changed"), std::string::npos);
  EXPECT_FALSE(platform::FileExists(TemporarySavePath(path).c_str()));
  platform::File other;
  EXPECT_EQ(other.Open(path.c_str(), platform::FileAccess::kReadWrite),
            platform::kErrorSharingViolation);
}

// The helper side: reads the file named in its task ("r|path": others may
// read it; "rw|path": read and write it), as a viewer or a virus scanner
// would, until it is released.
TEST(FileReaderHelper, ReadsItsFile) {
  std::string task = wintest::HelperTask();
  if (task.empty()) GTEST_SKIP() << "runs only as a helper process";
  size_t bar = task.find('|');
  ASSERT_NE(bar, std::string::npos);
  DWORD share = task.substr(0, bar) == "rw" ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
  HANDLE reader = CreateFileA(task.substr(bar + 1).c_str(), GENERIC_READ, share, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE) << GetLastError();
  wintest::SignalHelperReady();
  EXPECT_TRUE(wintest::WaitHelperRelease(kHelperTimeout));
  CloseHandle(reader);
}

// A program whose first wait during a save sees the other reader let go.
class ReleasingHost : public ListHost {
 public:
  explicit ReleasingHost(HelperProcess* reader) : reader_(reader) {}
  void PumpWait(uint32_t /*milliseconds*/) override {
    ++waits;
    if (!reader_) return;
    reader_->Release();
    EXPECT_TRUE(reader_->WaitForExit(kHelperTimeout));
    reader_ = nullptr;
  }
  int waits = 0;

 private:
  HelperProcess* reader_;
};

// Held: the list file (the replace is refused), the temporary file shared
// for writing (the replace is refused) or only for reading (it cannot even
// be written).
TEST(ListFilesWin, ASaveRefusedWhileAnotherProgramReadsIsTriedAgainOnceItLetsGo) {
  const struct {
    bool temporary;
    const char* share;
  } cases[] = {{false, "rw"}, {true, "rw"}, {true, "r"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.temporary ? "temporary " : "list ") + c.share);
    ::TempFolder folder;
    const std::string path = folder.Path("Held while saving.bkl");
    listtest::WriteSampleFile(path, 3);
    auto list = listtest::OpenListFile(path);
    BookmarkItem& record = list->Decode(FindTitle(*list, "Site 1"), false);
    record.title = "Changed";
    record.changed = 1;
    const std::string held = c.temporary ? TemporarySavePath(path) : path;
    if (c.temporary) ASSERT_EQ(platform::WriteWholeFile(held.c_str(), "left over"), 0u);
    HelperProcess reader;
    ASSERT_TRUE(reader.Start("FileReaderHelper.ReadsItsFile", std::string(c.share) + "|" + held));
    ASSERT_TRUE(reader.WaitReady(kHelperTimeout));

    ReleasingHost host(&reader);
    ASSERT_EQ(SaveList(*list, false, &host), kSaveOk) << list->lastError;
    EXPECT_LE(host.waits, 1);
    EXPECT_NE(ReadBytes(path).find("Changed"), std::string::npos);
    EXPECT_FALSE(platform::FileExists(TemporarySavePath(path).c_str()));
    EXPECT_FALSE(list->modified);
  }
}

}  // namespace
