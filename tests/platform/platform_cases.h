// Platform tests that must hold on both sides: included by the native
// test program and by the Wine one.
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/platform.h"
#include "support/temp_folder.h"

TEST(PlatformFile, AWriterDeniesOtherWritersButNotReaders) {
  TempFolder temp;
  const std::string path = temp.Path("shared.bkl");
  ASSERT_EQ(platform::WriteWholeFile(path.c_str(), "line\r\n"), 0u);
  platform::File writer, second, reader;
  ASSERT_EQ(writer.Open(path.c_str(), platform::FileAccess::kReadWrite), 0u);
  EXPECT_EQ(second.Open(path.c_str(), platform::FileAccess::kReadWrite), platform::kErrorSharingViolation);
  EXPECT_FALSE(second.IsOpen());
  ASSERT_EQ(reader.Open(path.c_str(), platform::FileAccess::kRead), 0u);
  std::string text;
  ASSERT_TRUE(reader.ReadAll(&text));
  EXPECT_EQ(text, "line\r\n");
  writer.Close();
  EXPECT_EQ(second.Open(path.c_str(), platform::FileAccess::kReadWrite), 0u);
}

TEST(PlatformFile, MissingFilesReportNotFound) {
  TempFolder temp;
  platform::File f;
  EXPECT_EQ(f.Open(temp.Path("none.bkl").c_str(), platform::FileAccess::kRead), platform::kErrorFileNotFound);
  EXPECT_FALSE(platform::FileExists(temp.Path("none.bkl").c_str()));
  EXPECT_EQ(platform::FileLastWriteTime(temp.Path("none.bkl").c_str()), 0u);
}

TEST(PlatformFile, WriteTruncateAndReplace) {
  TempFolder temp;
  const std::string a = temp.Path("a.bkl"), b = temp.Path("b.bkl");
  {
    platform::File f;
    ASSERT_EQ(f.Open(a.c_str(), platform::FileAccess::kCreateWrite), 0u);
    ASSERT_TRUE(f.Write("0123456789", 10));
    ASSERT_TRUE(f.Seek(4));
    ASSERT_TRUE(f.Truncate());
    EXPECT_EQ(f.Size(), 4);
  }
  ASSERT_EQ(platform::WriteWholeFile(b.c_str(), "old"), 0u);
  ASSERT_EQ(platform::MoveReplacing(a.c_str(), b.c_str()), 0u);
  std::string text;
  ASSERT_EQ(platform::ReadWholeFile(b.c_str(), &text), 0u);
  EXPECT_EQ(text, "0123");
  EXPECT_FALSE(platform::FileExists(a.c_str()));
  EXPECT_GT(platform::FileLastWriteTime(b.c_str()), 1600000000u);
  ASSERT_EQ(platform::CopyFileTo(b.c_str(), a.c_str(), true), 0u);
  EXPECT_NE(platform::CopyFileTo(b.c_str(), a.c_str(), true), 0u);  // exists
  EXPECT_EQ(platform::RemoveFile(a.c_str()), 0u);
}

TEST(PlatformText, Windows1252RoundTripsThroughUtf8AndUtf16) {
  const std::string ansi = "Caf\xE9 \x80 \x93quoted\x94 \x9C\xFF";
  const std::string utf8 = "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D \xC5\x93\xC3\xBF";
  EXPECT_EQ(platform::AnsiToUtf8(ansi), utf8);
  EXPECT_EQ(platform::Utf8ToAnsi(utf8), ansi);
  EXPECT_EQ(platform::Utf16ToAnsi(platform::AnsiToUtf16(ansi)), ansi);
  const uint16_t units[] = {0x48, 0xE9, 0x20AC};
  EXPECT_EQ(platform::Utf16UnitsToAnsi(units, 3), "H\xE9\x80");
  // Outside the code page: a replacement, never a dropped character.
  EXPECT_EQ(platform::Utf8ToAnsi("a\xE4\xB8\xAD" "b").size(), 3u);
}

TEST(PlatformText, LowerCaseFollowsTheCodePage) {
  EXPECT_EQ(platform::LowerAnsiText("ABC \xC0\xC9\xDE \x8A\x8C\x9F xyz"), "abc \xE0\xE9\xFE \x9A\x9C\xFF xyz");
}

TEST(PlatformText, LastSeparatorFindsTheBackslash) {
  EXPECT_EQ(platform::LastSeparator("C:\\Lists\\My.bkl"), 8u);
  EXPECT_EQ(platform::LastSeparator("My.bkl"), std::string::npos);
  EXPECT_TRUE(platform::IsPathSeparator('\\'));
}

TEST(PlatformTime, LongDateFormsMatchTheWindowsLocaleTexts) {
  std::string saved = setlocale(LC_ALL, nullptr);
#ifdef _WIN32
  setlocale(LC_ALL, "ENU");
#endif
  std::tm tm;
  ASSERT_TRUE(platform::UtcToUtcTm(1600000000, &tm));  // 2020-09-13 12:26:40
  EXPECT_EQ(platform::FormatTime("%#x", tm), "Sunday, September 13, 2020");
  EXPECT_EQ(platform::FormatTime("%#c", tm), "Sunday, September 13, 2020 12:26:40 PM");
  EXPECT_EQ(platform::FormatTime("%Y-%m-%d %H.%M", tm), "2020-09-13 12.26");
  EXPECT_EQ(platform::UtcTmToUtc(tm), 1600000000);
  setlocale(LC_ALL, saved.c_str());
}
