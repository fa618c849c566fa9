#include "list/list_slots.h"

#include <gtest/gtest.h>

#include <string>

#include "list/encryption.h"
#include "list/list_file.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "list/utf16_convert.h"
#include "platform/platform.h"
#include "support/list_host_script.h"
#include "support/list_test_support.h"
#include "support/sample_lists.h"

using listtest::FindTitle;
using listtest::ListText;
using listtest::ReadBytes;
using listtest::ScriptedUser;
using listtest::TempFolder;
using listtest::WriteBytes;
using listtest::WriteSampleFile;
using platform::kIdCancel;
using platform::kIdIgnore;
using platform::kIdNo;
using platform::kIdOk;
using platform::kIdRetry;
using platform::kIdYes;

namespace {

class Slots : public ::testing::Test {
 protected:
  Settings settings;
  ScriptedUser user;
  ListSlots slots{&settings, &user};
  TempFolder folder;

  std::string NewList(const std::string& name, int bookmarks = 3) {
    std::string path = folder.Path(name);
    WriteSampleFile(path, bookmarks);
    return path;
  }
  // Writes an encrypted copy of the sample list.
  std::string NewEncryptedList(const std::string& name, uint32_t options,
                               const std::string& password) {
    std::string path = NewList(name);
    auto list = listtest::OpenListFile(path);
    SetEncryption(*list, options, password);
    EXPECT_EQ(SaveList(*list, false), kSaveOk);
    return path;
  }
  void Edit(BookmarkList& list, const std::string& title) {
    BookmarkItem& record = list.Decode(FindTitle(list, "Site 1"), false);
    record.title = title;
    record.changed = 1;
    list.EncodeCurrentIfChanged();
  }
};

TEST_F(Slots, OpeningAddsAKnownListAndShowsIt) {
  const std::string path = NewList("Work.bkl");
  ASSERT_TRUE(slots.OpenListByPath(path, false));
  ASSERT_TRUE(slots.HasCurrent());
  ASSERT_EQ(settings.lists.size(), 1u);
  EXPECT_EQ(settings.lists[0].name, "Work");
  EXPECT_EQ(slots.currentListIndex, 0);
  EXPECT_EQ(settings.currentListIndex, 0);
  EXPECT_EQ(slots.CurrentName(), "Work");
  EXPECT_TRUE(slots.CurrentIsWritable());
  EXPECT_EQ(user.settingsSaved, 1);
  EXPECT_TRUE(user.shown.empty());
  // The same file again, by another spelling: nothing is read.
  BookmarkList* shown = slots.currentList.get();
  ASSERT_TRUE(slots.OpenList(path, -1, 0, false));
  EXPECT_EQ(slots.currentList.get(), shown);
  EXPECT_EQ(settings.lists.size(), 1u);
}

TEST_F(Slots, MissingFileIsOfferedForCreation) {
  const std::string path = folder.Path("New.bkl");
  EXPECT_FALSE(slots.OpenList(path, -1, 0, false));  // the cautious answer: No
  EXPECT_EQ(user.Captions(), std::vector<std::string>{"Create New List?"});
  EXPECT_FALSE(platform::FileExists(path.c_str()));
  user.answers = {kIdYes};
  ASSERT_TRUE(slots.OpenList(path, -1, 0, false));
  EXPECT_TRUE(slots.CurrentIsWritable());
  EXPECT_EQ(slots.currentList->lastId, 9u);
  // A folder that does not exist cannot hold it.
  user.answers = {kIdYes};
  EXPECT_FALSE(slots.OpenList(folder.Path("none/x.bkl"), -1, 0, false));
  EXPECT_EQ(user.shown.back().caption, "File Error");
  EXPECT_NE(user.shown.back().text.find("none/x.bkl"), std::string::npos);
  EXPECT_EQ(slots.currentList->path, path);  // the shown list stays
}

TEST_F(Slots, ListLockedElsewhereOpensReadOnlyWithOneWarning) {
  const std::string a = NewList("A.bkl"), b = NewList("B.bkl");
  platform::File holderA, holderB;  // another program writes both files
  ASSERT_EQ(holderA.Open(a.c_str(), platform::FileAccess::kReadWrite), 0u);
  ASSERT_EQ(holderB.Open(b.c_str(), platform::FileAccess::kReadWrite), 0u);
  user.tickDoNotWarn = true;
  ASSERT_TRUE(slots.OpenList(a, -1, 0, false));
  EXPECT_TRUE(slots.currentList->readOnly);
  EXPECT_FALSE(slots.currentList->file.IsOpen());
  EXPECT_NE(FindTitle(*slots.currentList, "Site 2"), 0);
  EXPECT_EQ(user.readOnlyWarnings, 1);
  EXPECT_TRUE(settings.behaviourFlags & kBehaviourNoReadOnlyWarning);
  ASSERT_TRUE(slots.OpenList(b, -1, 0, false));
  EXPECT_TRUE(slots.currentList->readOnly);
  EXPECT_EQ(user.readOnlyWarnings, 1);
  // A read-only list is never written.
  Edit(*slots.currentList, "Changed");
  EXPECT_TRUE(slots.SaveListStep(*slots.currentList, slots.currentListIndex, false, false, true));
  holderB.Close();
  EXPECT_EQ(ReadBytes(b).find("Changed"), std::string::npos);
}

TEST_F(Slots, MarkedItemsKeepTheListInTheSecondSlot) {
  const std::string a = NewList("A.bkl"), b = NewList("B.bkl");
  ASSERT_TRUE(slots.OpenList(a, -1, 0, false));
  slots.currentList->markedCount[2] = 1;
  ASSERT_TRUE(slots.OpenList(b, -1, 0, false));
  ASSERT_TRUE(slots.markHoldingList);
  EXPECT_EQ(slots.markHoldingList->path, a);
  EXPECT_EQ(slots.markHoldingListIndex, 0);
  EXPECT_EQ(slots.currentListIndex, 1);
  // Choosing the held list exchanges the slots without reading.
  BookmarkList* held = slots.markHoldingList.get();
  ASSERT_TRUE(slots.OpenKnownList(0, false));
  EXPECT_EQ(slots.currentList.get(), held);
  EXPECT_EQ(slots.markHoldingList->path, b);
  // Without marks the shown list is closed when another opens.
  slots.currentList->markedCount[2] = 0;
  const std::string c = NewList("C.bkl");
  ASSERT_TRUE(slots.OpenList(c, -1, 0, true));  // keepCurrent: A is held, B closed
  EXPECT_EQ(slots.markHoldingList->path, a);
  platform::File probe;
  EXPECT_EQ(probe.Open(b.c_str(), platform::FileAccess::kReadWrite), 0u);  // B's lock is gone
}

TEST_F(Slots, BothOpenListsFollowChangedSettings) {
  const std::string a = NewList("A.bkl"), b = NewList("B.bkl");
  ASSERT_TRUE(slots.OpenList(a, -1, 0, false));
  slots.currentList->markedCount[2] = 1;
  ASSERT_TRUE(slots.OpenList(b, -1, 0, false));
  ASSERT_TRUE(slots.markHoldingList);
  settings.recentPeriod = 3;
  settings.maxSmartItems = 7;
  slots.FollowSettings();
  for (BookmarkList* list : {slots.currentList.get(), slots.markHoldingList.get()}) {
    EXPECT_EQ(list->settings.recentPeriod, 3u) << list->path;
    EXPECT_EQ(list->settings.maxSmartItems, 7u) << list->path;
  }
}

TEST_F(Slots, Utf16ListIsConvertedToTheFirstFreeName) {
  // A list of more than one piece, with characters from outside ASCII.
  std::string ansi = ListText({"1\t1\t0\t5\t\tCaf\xE9 \x80uro"}, "VELLOXFL/A/0/9/abcdefghij/");
  std::u16string wide = u"\uFEFF";
  for (unsigned char c : ansi) wide += c == 0xE9 ? u'\u00E9' : c == 0x80 ? u'\u20AC' : char16_t(c);
  for (int i = 0; i < 300; ++i) {
    std::string line = "1" + std::to_string(i) + "\t3\t16\t5\t\tSite\thttp://example.com/" +
                       std::to_string(i) + "\r\n";
    ansi += line;
    for (char c : line) wide += char16_t(static_cast<unsigned char>(c));
  }
  ASSERT_GT(wide.size(), 2 * kConversionPiece);
  const std::string path = folder.Path("Work.bkl");
  WriteBytes(path, std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2));
  WriteBytes(folder.Path("Work (ANSI).bkl"), "taken");
  settings.lists.push_back({"Work", path, 0});

  EXPECT_FALSE(slots.OpenKnownList(0, false));  // Cancel
  EXPECT_EQ(user.Captions(), std::vector<std::string>{"Convert from Unicode?"});
  EXPECT_FALSE(platform::FileExists(folder.Path("Work (ANSI) #1.bkl").c_str()));
  user.answers = {kIdOk};
  ASSERT_TRUE(slots.OpenKnownList(0, false));
  const std::string copy = folder.Path("Work (ANSI) #1.bkl");
  EXPECT_EQ(slots.currentList->path, copy);
  EXPECT_EQ(settings.lists[0].path, copy);
  EXPECT_EQ(ReadBytes(copy), ansi);
  EXPECT_EQ(ReadBytes(folder.Path("Work (ANSI).bkl")), "taken");
  EXPECT_TRUE(slots.CurrentIsWritable());
}

TEST_F(Slots, EncryptedUtf16ListIsRefused) {
  const std::string path = folder.Path("Locked.bkl");
  std::u16string wide = u"\uFEFFVELLOXFL/A/2/9/abcdefghij/x\r\n";
  WriteBytes(path, std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2));
  EXPECT_FALSE(slots.OpenList(path, -1, 0, false));
  EXPECT_EQ(user.Captions(), std::vector<std::string>{"Message"});
  EXPECT_EQ(user.shown[0].text, "Encrypted Unicode bookmark list");
  EXPECT_FALSE(slots.HasCurrent());
}

TEST_F(Slots, WholeListPasswordIsAskedUntilRightOrCancelled) {
  const std::string plain = NewList("Plain.bkl");
  const std::string secret = NewEncryptedList("Secret.bkl", kEncryptWholeList, "right");
  ASSERT_TRUE(slots.OpenList(plain, -1, 0, false));
  user.passwords = {"wrong"};
  EXPECT_FALSE(slots.OpenList(secret, -1, 0, false));
  EXPECT_EQ(user.Captions(), (std::vector<std::string>{"Wrong Password", "Decryption Failed"}));
  EXPECT_EQ(user.shown[0].type,
            platform::kMbOk | platform::kMbIconWarning | platform::kMbSystemModal);
  EXPECT_EQ(user.passwordTitles.back(), "Decrypt 'Secret' bookmark list");
  EXPECT_EQ(slots.currentList->path, plain);  // the shown list stays

  user.shown.clear();
  user.passwords = {"wrong", "right"};
  ASSERT_TRUE(slots.OpenList(secret, -1, 0, false));
  EXPECT_EQ(user.Captions(), std::vector<std::string>{"Wrong Password"});
  EXPECT_EQ(slots.currentList->path, secret);
  EXPECT_NE(FindTitle(*slots.currentList, "Site 2"), 0);
  EXPECT_TRUE(slots.CurrentIsWritable());
}

TEST_F(Slots, RememberedPasswordsAreTriedFirst) {
  settings.behaviourFlags |= kBehaviourRememberPasswords;
  const std::string a = NewEncryptedList("A.bkl", kEncryptWholeList, "shared");
  const std::string b =
      NewEncryptedList("B.bkl", kEncryptWholeList | kEncryptSitePasswords, "shared");
  user.passwords = {"shared"};
  ASSERT_TRUE(slots.OpenList(a, -1, 0, false));
  EXPECT_EQ(user.passwordTitles.size(), 1u);
  EXPECT_EQ(slots.RememberedPassword(0), "shared");
  // B takes the password remembered for the shown list, and keeps it.
  ASSERT_TRUE(slots.OpenList(b, -1, 0, false));
  EXPECT_EQ(user.passwordTitles.size(), 1u);
  EXPECT_EQ(slots.RememberedPassword(1), "shared");
  EXPECT_EQ(slots.currentList->keyState, 2);
  // The lock forgets them all; the list can still be saved.
  slots.ForgetPasswords();
  EXPECT_EQ(slots.RememberedPassword(0), "");
  EXPECT_EQ(slots.currentList->keyState, 1);
  Edit(*slots.currentList, "Still saved");
  EXPECT_TRUE(slots.SaveListStep(*slots.currentList, slots.currentListIndex, false, false, false));
  EXPECT_EQ(ReadBytes(b).find("Still saved"), std::string::npos);
  auto reread = listtest::OpenListFile(b, "shared");
  EXPECT_NE(FindTitle(*reread, "Still saved"), 0);
}

TEST_F(Slots, EmptyCheckValueRefusesEveryPasswordAtOpening) {
  const std::string path = NewEncryptedList("NoCheck.bkl", kEncryptWholeList, "pw");
  std::string bytes = ReadBytes(path);
  size_t cut = bytes.find("\r\n");
  std::string header = bytes.substr(0, cut);
  header.resize(header.rfind('/') + 1);  // no check value
  WriteBytes(path, header + bytes.substr(cut));
  user.passwords = {"pw", "other"};
  EXPECT_FALSE(slots.OpenList(path, -1, 0, false));
  EXPECT_EQ(user.Captions(),
            (std::vector<std::string>{"Wrong Password", "Wrong Password", "Decryption Failed"}));
}

TEST_F(Slots, SaveStepAsksAndHandlesFailures) {
  const std::string path = NewList("Step.bkl");
  ASSERT_TRUE(slots.OpenListByPath(path, false));
  BookmarkList& list = *slots.currentList;
  list.FillColumn(0, list.Next(kRootIndex, true));
  Edit(list, "Unsaved");

  user.answers = {kIdCancel};
  EXPECT_FALSE(slots.SaveListStep(list, 0, false, true, false));
  EXPECT_EQ(user.shown[0].text,
            "Do you want to save changes (including Last Visited times)\nto bookmark list 'Step' "
            "before continuing?");
  EXPECT_EQ(settings.lists[0].start, 1u);  // the selected category's ID

  // Failures: Retry, then Ignore; then Abort.
  ASSERT_EQ(platform::CreateFolder(TemporarySavePath(path).c_str()), 0u);
  user.shown.clear();
  user.answers = {kIdYes, kIdRetry, kIdIgnore};
  EXPECT_TRUE(slots.SaveListStep(list, 0, true, true, false));
  EXPECT_EQ(user.Captions(), (std::vector<std::string>{"Vellox", "File Error", "File Error"}));
  EXPECT_EQ(user.shown[1].type, platform::kMbAbortRetryIgnore | platform::kMbIconWarning);
  EXPECT_FALSE(slots.SaveListStep(list, 0, false, false, false));  // Abort
  std::remove(TemporarySavePath(path).c_str());
  EXPECT_EQ(ReadBytes(path).find("Unsaved"), std::string::npos);

  // No while switching lists: the list is read again from its file.
  user.answers = {kIdNo};
  EXPECT_TRUE(slots.SaveListStep(list, 0, false, true, false));
  ASSERT_TRUE(slots.HasCurrent());
  EXPECT_EQ(FindTitle(*slots.currentList, "Unsaved"), 0);
  EXPECT_NE(FindTitle(*slots.currentList, "Site 1"), 0);
  EXPECT_TRUE(slots.CurrentIsWritable());

  // Yes saves; the list stays open and locked.
  Edit(*slots.currentList, "Saved");
  user.answers = {kIdYes};
  EXPECT_TRUE(slots.SaveListStep(*slots.currentList, 0, false, true, false));
  EXPECT_NE(ReadBytes(path).find("Saved"), std::string::npos);
  EXPECT_FALSE(slots.CurrentIsModified());
  EXPECT_TRUE(slots.currentList->file.IsOpen());
  EXPECT_TRUE(platform::FileExists(BackupPath(path, BackupKind::kRecent).c_str()));
}

TEST_F(Slots, SaveCopyLeavesTheListOnItsOwnFile) {
  const std::string path =
      NewEncryptedList("Orig.bkl", kEncryptWholeList | kEncryptSitePasswords, "pw");
  user.passwords = {"pw"};
  ASSERT_TRUE(slots.OpenList(path, -1, 0, false));
  Edit(*slots.currentList, "Copied");
  const std::string taken = folder.Path("Taken.bkl");
  WriteBytes(taken, "keep me");
  const std::string copy = folder.Path("Copy.bkl");
  user.copyPaths = {taken, copy};
  user.answers = {kIdNo};
  ASSERT_TRUE(slots.SaveCopy());
  EXPECT_EQ(user.copySuggestions, (std::vector<std::string>{"Orig", ""}));
  EXPECT_EQ(ReadBytes(taken), "keep me");
  EXPECT_TRUE(slots.CurrentIsModified());
  EXPECT_EQ(slots.currentList->path, path);
  // The copy keeps the encryption.
  EXPECT_EQ(ReadBytes(copy).find("Copied"), std::string::npos);
  EXPECT_EQ(ReadBytes(copy).find("pass1word"), std::string::npos);
  auto reread = listtest::OpenListFile(copy, "pw");
  EXPECT_NE(FindTitle(*reread, "Copied"), 0);
}

TEST_F(Slots, RevertToABackupTakesTheListsPlace) {
  const std::string path = NewList("Rev.bkl");
  ASSERT_TRUE(slots.OpenListByPath(path, false));
  const std::string original = ReadBytes(path);
  Edit(*slots.currentList, "Second");
  ASSERT_TRUE(slots.SaveListStep(*slots.currentList, 0, false, false, false));  // recent = original

  user.revertChoice = 1;
  ASSERT_TRUE(slots.Revert());
  const RevertChoices& c = user.lastRevert;
  EXPECT_EQ(c.prompt, "Revert to previously-saved copy of 'Rev':");
  EXPECT_EQ(c.labels[2], "Older backup (not found)");
  EXPECT_EQ(c.labels[1].substr(0, 15), "Recent backup (");
  EXPECT_EQ(c.available, (std::array<bool, 4>{true, true, false, false}));

  BookmarkList& list = *slots.currentList;
  EXPECT_EQ(list.path, path);
  EXPECT_EQ(slots.currentListIndex, 0);
  EXPECT_FALSE(slots.markHoldingList);
  EXPECT_TRUE(list.modified);
  EXPECT_TRUE(slots.CurrentIsWritable());
  EXPECT_EQ(FindTitle(list, "Second"), 0);
  EXPECT_NE(ReadBytes(path).find("Second"), std::string::npos);  // not written yet
  ASSERT_TRUE(slots.SaveListStep(list, 0, false, false, false));
  EXPECT_EQ(listtest::WithoutHeader(ReadBytes(path)), listtest::WithoutHeader(original));

  // "Last-saved" reads the file again; a missing choice is refused.
  Edit(*slots.currentList, "Dropped");
  user.revertChoice = 0;
  ASSERT_TRUE(slots.Revert());
  EXPECT_EQ(FindTitle(*slots.currentList, "Dropped"), 0);
  user.revertChoice = 3;
  EXPECT_FALSE(slots.Revert());
}

TEST_F(Slots, CreatingOverAnOpenListClosesIt) {
  const std::string path = NewList("Over.bkl");
  ASSERT_TRUE(slots.OpenList(path, -1, 0, false));
  EXPECT_FALSE(slots.CreateList(path, false));  // Cancel
  EXPECT_TRUE(slots.HasCurrent());
  user.answers = {kIdOk};
  ASSERT_TRUE(slots.CreateList(path, false));
  EXPECT_FALSE(slots.HasCurrent());
  EXPECT_EQ(user.shown.back().caption, "Overwrite?");
  BookmarkList fresh;
  ASSERT_EQ(listtest::Open(fresh, path), ListResult::ReadWrite);
  EXPECT_EQ(fresh.lastId, 9u);
}

TEST_F(Slots, DamagedListIsRepairedWithACopy) {
  const std::string path = folder.Path("Broken.bkl");
  WriteBytes(path, listtest::ListText({"1\t1\t0\t5\t\tCat", "3\t3\t16\t5\t\tSite\thttp://a/"}));
  slots.clock = [] { return 1706720700u; };
  ASSERT_TRUE(slots.OpenList(path, -1, 0, false));
  ASSERT_EQ(user.Captions(), std::vector<std::string>{"Repaired List File"});
  const std::string copy = folder.Path("Autobackup (corrupted 2024-01-31 17.05) of Broken.bkl");
  EXPECT_NE(user.shown[0].text.find(copy), std::string::npos);
  EXPECT_TRUE(platform::FileExists(copy.c_str()));
  EXPECT_TRUE(slots.CurrentIsModified());
  EXPECT_TRUE(slots.CurrentIsWritable());
}

TEST_F(Slots, DamagedListIsShownReadOnlyWithWhatCouldBeRead) {
  const std::string plain = NewList("Plain.bkl");
  const std::string path = NewEncryptedList("Damaged.bkl", kEncryptWholeList, "pw");
  WriteBytes(path, ReadBytes(path) + "not a ciphered line!\r\n");
  ASSERT_TRUE(slots.OpenList(plain, -1, 0, false));
  user.passwords = {"pw"};
  ASSERT_TRUE(slots.OpenList(path, -1, 0, false));
  EXPECT_EQ(user.Captions(), std::vector<std::string>{"List File Is Corrupt"});
  EXPECT_EQ(user.shown[0].type, platform::kMbOk | platform::kMbIconInformation);
  EXPECT_EQ(slots.currentList->path, path);
  EXPECT_NE(FindTitle(*slots.currentList, "Site 2"), 0);
  EXPECT_FALSE(slots.CurrentIsWritable());
  EXPECT_FALSE(slots.currentList->file.IsOpen()) << "a read-only list holds no file";
}

TEST_F(Slots, ChosenListsAreStoredWithTheSettings) {
  const std::string a = NewList("A.bkl"), b = NewList("B.bkl");
  ASSERT_TRUE(slots.OpenListByPath(a, false));
  ASSERT_TRUE(slots.OpenListByPath(b, false));
  const int saved = user.settingsSaved;
  ASSERT_TRUE(slots.OpenKnownList(0, false));  // a switch through the list menu
  EXPECT_EQ(user.settingsSaved, saved + 1);
  EXPECT_EQ(settings.currentListIndex, 0);
  slots.currentList->markedCount[2] = 1;
  ASSERT_TRUE(slots.OpenKnownList(1, false));
  ASSERT_TRUE(slots.OpenKnownList(0, false));  // the slots exchanged
  EXPECT_EQ(user.settingsSaved, saved + 3);
  // The list already shown, or read again, is no new choice.
  ASSERT_TRUE(slots.OpenKnownList(0, false));
  ASSERT_TRUE(slots.OpenKnownList(0, true));
  EXPECT_EQ(user.settingsSaved, saved + 3);
}

TEST_F(Slots, AutosaveQuestionNeverDiscardsAndWaitsAfterNoOrCancel) {
  uint32_t now = 1700000000;
  slots.clock = [&now] { return now; };
  const std::string path = NewList("Timed.bkl");
  ASSERT_TRUE(slots.OpenListByPath(path, false));
  auto rename = [&](const std::string& from, const std::string& to) {
    BookmarkList& list = *slots.currentList;
    BookmarkItem& record = list.Decode(FindTitle(list, from), false);
    record.title = to;
    record.changed = 1;
    list.EncodeCurrentIfChanged();
  };
  rename("Site 1", "Typed");
  EXPECT_FALSE(slots.AutosaveDue()) << "within ten minutes of the loading";
  now += kAutosaveSeconds + 1;
  ASSERT_TRUE(slots.AutosaveDue());

  // No: the work stays, unsaved, and is not asked about again until it
  // changes once more, however long that takes.
  user.answers = {kIdNo};
  slots.Autosave(true);
  ASSERT_EQ(user.Captions(), std::vector<std::string>{"Vellox"});
  EXPECT_NE(user.shown[0].text.find("before continuing?"), std::string::npos);
  EXPECT_NE(FindTitle(*slots.currentList, "Typed"), 0) << "the list was read again";
  EXPECT_TRUE(slots.CurrentIsModified());
  EXPECT_EQ(ReadBytes(path).find("Typed"), std::string::npos);
  EXPECT_FALSE(slots.AutosaveDue());
  now += 5 * kAutosaveSeconds;
  EXPECT_FALSE(slots.AutosaveDue()) << "asked again without a change";
  rename("Typed", "Typed again");
  EXPECT_TRUE(slots.AutosaveDue());

  // Cancel: another ten minutes, change or not.
  user.answers = {kIdCancel};
  slots.Autosave(true);
  now += kAutosaveSeconds / 2;
  EXPECT_FALSE(slots.AutosaveDue()) << "asked again at the next idle moment";
  now += kAutosaveSeconds / 2 + 1;
  ASSERT_TRUE(slots.AutosaveDue());

  // Yes saves, and the clock starts again from the save.
  user.answers = {kIdYes};
  slots.Autosave(true);
  EXPECT_NE(ReadBytes(path).find("Typed again"), std::string::npos);
  EXPECT_FALSE(slots.CurrentIsModified());
  EXPECT_EQ(user.Captions().size(), 3u);
  // Without the question the autosave just saves.
  rename("Typed again", "Quietly");
  now += kAutosaveSeconds + 1;
  slots.Autosave(false);
  EXPECT_NE(ReadBytes(path).find("Quietly"), std::string::npos);
  EXPECT_EQ(user.Captions().size(), 3u);
}

TEST_F(Slots, ListsClosedByAnOpeningKeepTheirChanges) {
  const std::string a = NewList("A.bkl"), b = NewList("B.bkl"), c = NewList("C.bkl");
  ASSERT_TRUE(slots.OpenList(a, -1, 0, false));
  Edit(*slots.currentList, "Edited A");
  ASSERT_TRUE(slots.OpenList(b, -1, 0, false));  // A is closed
  EXPECT_NE(ReadBytes(a).find("Edited A"), std::string::npos);
  // A list holding marks waits, changed, in the second slot; pushed out by
  // the next list holding marks, it is saved.
  Edit(*slots.currentList, "Edited B");
  slots.currentList->markedCount[2] = 1;
  ASSERT_TRUE(slots.OpenList(c, -1, 0, false));
  EXPECT_EQ(ReadBytes(b).find("Edited B"), std::string::npos);
  slots.currentList->markedCount[2] = 1;
  ASSERT_TRUE(slots.OpenList(a, -1, 0, false));
  EXPECT_EQ(slots.markHoldingList->path, c);
  EXPECT_NE(ReadBytes(b).find("Edited B"), std::string::npos);
  // Reverting to a backup closes the list holding marks: saved as well.
  Edit(*slots.markHoldingList, "Edited C");
  user.revertChoice = 1;
  ASSERT_TRUE(slots.Revert());
  EXPECT_FALSE(slots.markHoldingList);
  EXPECT_NE(ReadBytes(c).find("Edited C"), std::string::npos);
}

}  // namespace
