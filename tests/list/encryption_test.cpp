#include "list/encryption.h"

#include <gtest/gtest.h>

#include <string>

#include "list/list_file.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "support/list_test_support.h"
#include "support/sample_lists.h"
#include "util/base64.h"

using listtest::FindTitle;
using listtest::OpenListFile;
using listtest::ReadBytes;
using listtest::TempFolder;
using listtest::WriteSampleFile;

namespace {

constexpr char kSalt[] = "Ab3dE5gH7j";
// ComputeCheck(kSalt, "secret", ...) as every build computes it.
constexpr char kGoldenNormalCheck[] = "l2qUCNdIcUA=";
constexpr char kGoldenLegacyCheck[] = "uUN3RHY8NUA=";

BookmarkItem RecordOf(BookmarkList& list, const std::string& title) {
  BookmarkItem record;
  list.DecodeInto(FindTitle(list, title), false, &record);
  return record;
}

TEST(ListEncryption, TextIsPaddedToWholeBlocksAndRoundTrips) {
  ListEncryption enc;
  ASSERT_TRUE(enc.SetKey(0, "password"));
  // Always at least one zero byte: 8 bytes of text make two blocks.
  const struct {
    std::string text;
    size_t base64Length;
  } cases[] = {{"", 12},
               {"a", 12},
               {"1234567", 12},
               {"12345678", 24},
               {"123456789012345", 24},
               {"1234567890123456", 32},
               {std::string(200, 'x'), 280}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.size());
    std::string sealed, plain;
    ASSERT_TRUE(enc.EncipherText(c.text, &sealed));
    EXPECT_EQ(sealed.size(), c.base64Length);
    EXPECT_EQ(sealed.find_first_of("\r\n"), std::string::npos);
    ASSERT_TRUE(enc.DecipherText(sealed, 0, &plain));
    EXPECT_EQ(plain, c.text);
  }
  // Electronic code book: equal blocks encipher alike, without a chain.
  std::string sealed;
  enc.EncipherText("ABCDEFGHABCDEFGH", &sealed);
  std::string bytes = Base64Decode(sealed.data(), sealed.size());
  ASSERT_EQ(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(0, 8), bytes.substr(8, 8));
}

TEST(ListEncryption, DecipheringRefusesWhatItCannotRead) {
  ListEncryption enc;
  std::string out;
  EXPECT_FALSE(enc.EncipherText("text", &out));  // no key yet
  EXPECT_FALSE(enc.DecipherText("AAAAAAAAAAA=", 0, &out));
  ASSERT_TRUE(enc.SetKey(0, "k"));
  EXPECT_FALSE(enc.SetKey(1, ""));
  EXPECT_FALSE(enc.HasKey(1));
  for (const char* bad : {"not base64!", "AAAA=AAA", "A", "AAAAA===", "AA\r\nAA"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(enc.DecipherText(bad, 0, &out));
  }
  // The wrong key gives other text, not an error: only the check value
  // tells a wrong password.
  std::string sealed, plain;
  enc.EncipherText("secret text", &sealed);
  ListEncryption other;
  other.SetKey(0, "K");
  ASSERT_TRUE(other.DecipherText(sealed, 0, &plain));
  EXPECT_NE(plain, "secret text");
}

TEST(ListEncryption, ReencipheringMovesTextFromTheOldKeyToTheNew) {
  ListEncryption enc;
  enc.SetKey(0, "old");
  std::string sealed, moved, plain;
  enc.EncipherText("pass1word", &sealed);
  enc.CopyKeyToSlot1();
  enc.SetKey(0, "new");
  ASSERT_TRUE(enc.ReencipherText(sealed, &moved));
  EXPECT_NE(moved, sealed);
  ASSERT_TRUE(enc.DecipherText(moved, 0, &plain));
  EXPECT_EQ(plain, "pass1word");
}

TEST(CheckValue, FormAndDependence) {
  std::string normal = ComputeCheck(kSalt, "secret", false);
  std::string legacy = ComputeCheck(kSalt, "secret", true);
  EXPECT_EQ(normal.size(), 12u);
  EXPECT_EQ(legacy.size(), 12u);
  EXPECT_EQ(normal.back(), '=');
  EXPECT_NE(normal, legacy);
  EXPECT_EQ(normal.find("secret"), std::string::npos);
  // The same password under another salt, and another password.
  EXPECT_NE(normal, ComputeCheck("AX3dE5gH7j", "secret", false));
  EXPECT_NE(normal, ComputeCheck(kSalt, "Secret", false));
  // The salt's first character is not used.
  EXPECT_EQ(normal, ComputeCheck("Zb3dE5gH7j", "secret", false));
  // Fixed values: a check value made by one build must open the list in
  // every other (the Windows tests hold the same values).
  EXPECT_EQ(normal, kGoldenNormalCheck);
  EXPECT_EQ(legacy, kGoldenLegacyCheck);
}

TEST(CheckPassword, NormalLegacyAndEmptyCheckValues) {
  const std::string normal = ComputeCheck(kSalt, "secret", false);
  const std::string legacy = ComputeCheck(kSalt, "secret", true);
  const struct {
    std::string check;
    std::string typed;
    bool strict;
    bool accepted;
    std::string checkAfter;
  } cases[] = {
      {normal, "secret", true, true, normal},  {normal, "secret", false, true, normal},
      {normal, "wrong", false, false, normal}, {normal, "", false, false, normal},
      {legacy, "secret", true, true, ""},      {legacy, "wrong", false, false, legacy},
      {"", "anything", false, true, ""},       {"", "anything", true, false, ""},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    SCOPED_TRACE(i);
    const auto& c = cases[i];
    BookmarkList list;
    list.encryptionOptions = kEncryptSitePasswords;
    list.keyState = 1;
    list.salt = kSalt;
    list.checkValue = c.check;
    EXPECT_EQ(CheckPassword(list, c.typed, c.strict), c.accepted);
    EXPECT_EQ(list.checkValue, c.checkAfter);
    EXPECT_EQ(list.keyState, c.accepted ? 2 : 1);
    EXPECT_EQ(list.password, c.accepted ? c.typed : "");
    EXPECT_EQ(EncryptionOf(list).HasKey(0), c.accepted && !c.typed.empty());
  }
}

TEST(SetEncryption, SitePasswordsOnChangedAndOff) {
  BookmarkList list;
  list.salt = kSalt;
  listtest::FillSample(list, 3);
  const uint16_t alias = list.itemCount;
  ASSERT_TRUE(list.IsAlias(alias));
  const std::string aliasLine(list.Line(alias));

  SetEncryption(list, kEncryptSitePasswords, "first");
  EXPECT_EQ(list.keyState, 1);
  EXPECT_EQ(list.checkValue, ComputeCheck(kSalt, "first", false));
  EXPECT_TRUE(list.modified);
  BookmarkItem site1 = RecordOf(list, "Site 1");
  EXPECT_NE(site1.password, "pass1word");
  EXPECT_EQ(site1.password.size(), 24u);
  EXPECT_EQ(site1.login, "user1");  // log-ins stay plain
  EXPECT_EQ(std::string(list.Line(alias)), aliasLine);
  ASSERT_TRUE(CheckPassword(list, "first", true));
  EXPECT_EQ(GetSitePassword(list, site1), "pass1word");

  SetEncryption(list, kEncryptSitePasswords, "second");
  BookmarkItem moved = RecordOf(list, "Site 1");
  EXPECT_NE(moved.password, site1.password);
  list.keyState = 2;
  EXPECT_EQ(GetSitePassword(list, moved), "pass1word");

  SetEncryption(list, 0, "");
  EXPECT_EQ(RecordOf(list, "Site 0").password, "pass0word");
  EXPECT_EQ(RecordOf(list, "Site 2").password, "pass2word");
  EXPECT_EQ(list.keyState, 0);
  EXPECT_EQ(std::string(list.Line(alias)), aliasLine);
}

TEST(SetEncryption, PendingEditOfTheCachedRecordIsConvertedToo) {
  BookmarkList list;
  list.salt = kSalt;
  listtest::FillSample(list, 2);
  BookmarkItem& current = list.Decode(FindTitle(list, "Site 1"), false);
  current.password = "edited";
  current.changed = 1;
  SetEncryption(list, kEncryptSitePasswords, "pw");
  CheckPassword(list, "pw", true);
  list.EncodeCurrentIfChanged();
  EXPECT_EQ(GetSitePassword(list, RecordOf(list, "Site 1")), "edited");
}

TEST(SitePassword, StoredEncipheredOnlyWhenTheOptionIsOn) {
  BookmarkList list;
  list.salt = kSalt;
  BookmarkItem record;
  ASSERT_TRUE(SetSitePassword(list, record, "  plain  "));
  EXPECT_EQ(record.password, "plain");
  EXPECT_TRUE(record.flags & kFlagHasLogin);
  ASSERT_TRUE(SetSitePassword(list, record, ""));
  EXPECT_FALSE(record.flags & kFlagHasLogin);

  SetEncryption(list, kEncryptSitePasswords, "pw");
  EXPECT_EQ(list.keyState, 1);
  BookmarkList locked;
  locked.encryptionOptions = kEncryptSitePasswords;
  EXPECT_FALSE(SetSitePassword(locked, record, "x"));  // no key: refused, not stored plain

  ASSERT_TRUE(SetSitePassword(list, record, "12345678"));
  EXPECT_EQ(record.password.size(), 24u);
  EXPECT_EQ(GetSitePassword(list, record), record.password);  // not given: shown as stored
  list.keyState = 2;
  EXPECT_EQ(GetSitePassword(list, record), "12345678");
  record.password = "garbage!";
  EXPECT_EQ(GetSitePassword(list, record), "");
}

TEST(WholeList, WrittenEncryptedAndReadBackWithThePassword) {
  TempFolder folder;
  const std::string path = folder.Path("Secret.bkl");
  const std::string plainBytes = WriteSampleFile(path, 4);
  auto list = OpenListFile(path);
  SetEncryption(*list, kEncryptWholeList | kEncryptSitePasswords, "open sesame");
  ASSERT_EQ(SaveList(*list, false), kSaveOk);
  list->file.Close();

  const std::string bytes = ReadBytes(path);
  std::vector<std::string> lines = listtest::ItemLines(bytes);
  EXPECT_EQ(
      bytes.substr(0, bytes.find("\r\n") + 2),
      FormatHeader(3, list->lastId, list->salt, ComputeCheck(list->salt, "open sesame", false)));
  EXPECT_NE(bytes.find(kColumnLine), std::string::npos);
  EXPECT_EQ(bytes.find("Site 1"), std::string::npos);
  EXPECT_EQ(bytes.find("pass1word"), std::string::npos);
  ASSERT_EQ(lines.size(), listtest::ItemLines(plainBytes).size());

  // The wrong password is refused; the right one gives every line back.
  BookmarkList wrong;
  ASSERT_EQ(ReadHeader(wrong, path), ListResult::ReadWrite);
  EXPECT_FALSE(CheckPassword(wrong, "open  sesame", true));
  wrong.file.Close();
  auto reread = OpenListFile(path, "open sesame");
  EXPECT_EQ(reread->itemCount, list->itemCount);
  BookmarkItem site3 = RecordOf(*reread, "Site 3");
  EXPECT_EQ(site3.url, "https://site3.example/");
  EXPECT_EQ(GetSitePassword(*reread, site3), "pass3word");

  // Removing the password writes the list plain again.
  SetEncryption(*reread, 0, "");
  ASSERT_EQ(SaveList(*reread, false), kSaveOk);
  reread->file.Close();
  EXPECT_EQ(listtest::WithoutHeader(ReadBytes(path)), listtest::WithoutHeader(plainBytes));
}

TEST(WholeList, LegacyCheckValueIsAcceptedOnceAndRewritten) {
  TempFolder folder;
  const std::string path = folder.Path("Old.bkl");
  WriteSampleFile(path, 2);
  {
    auto list = OpenListFile(path);
    SetEncryption(*list, kEncryptSitePasswords, "pw");
    list->checkValue = ComputeCheck(list->salt, "pw", true);  // as an older version wrote it
    ASSERT_EQ(SaveList(*list, false), kSaveOk);
  }
  BookmarkList list;
  EncryptionOf(list);
  ASSERT_EQ(ReadHeader(list, path), ListResult::ReadWrite);
  const std::string legacy = list.checkValue;
  ASSERT_TRUE(CheckPassword(list, "pw", true));
  EXPECT_TRUE(list.checkValue.empty());
  ASSERT_EQ(LoadLines(list, 0), ListResult::ReadWrite);
  list.readOnly = false;
  list.modified = true;
  ASSERT_EQ(SaveList(list, false), kSaveOk);
  list.file.Close();
  BookmarkList again;
  ASSERT_EQ(ReadHeader(again, path), ListResult::ReadWrite);
  EXPECT_EQ(again.checkValue, ComputeCheck(again.salt, "pw", false));
  EXPECT_NE(again.checkValue, legacy);
  EXPECT_TRUE(CheckPassword(again, "pw", true));
}

}  // namespace
