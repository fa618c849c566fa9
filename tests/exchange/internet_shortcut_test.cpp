#include "exchange/internet_shortcut.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "support/import_test_support.h"
#include "support/temp_folder.h"

namespace {

TEST(InternetShortcut, ReaderFindsTheUrlLineOfItsSectionAmongOthers) {
  const struct {
    const char* bytes;
    int result;
    const char* address;
  } cases[] = {
      {"[InternetShortcut]\r\nURL=https://a.example/\r\n", 0, "https://a.example/"},
      // Other sections and lines before and after; the section header with
      // trailing blanks; the key's value keeps its inner blanks.
      {"[DEFAULT]\r\nBASEURL=https://base.example/\r\nURL=https://not-this.example/\r\n"
       "[InternetShortcut]  \t\r\nIDList=\r\nHotKey=0\r\nURL=https://b.example/a b\r\n"
       "IconIndex=1\r\n[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n",
       0, "https://b.example/a b"},
      {"[InternetShortcut]\nURL=ftp://lf.example/\n", 0, "ftp://lf.example/"},
      {"[InternetShortcut]\r\nURL=mailto:x@example.com", 0, "mailto:x@example.com"},
      // Only the first URL line after the header counts.
      {"[InternetShortcut]\r\nURL=first\r\nURL=second\r\n", 0, "first"},
      // No URL line after the header: no address.
      {"URL=https://before.example/\r\n[InternetShortcut]\r\nIconFile=x.ico\r\n", -1, ""},
      {"[InternetShortcut]\r\nURL=\r\n", -1, ""},
      {"[internetshortcut]\r\nURL=https://case.example/\r\n", -1, ""},
      {"", -1, ""},
  };
  TempFolder folder;
  int n = 0;
  for (const auto& c : cases) {
    std::string path = folder.Path("Case " + std::to_string(n++) + ".url");
    importtest::WriteFile(path, c.bytes);
    std::string address = "stale", title;
    EXPECT_EQ(ReadUrlFile(path, &address, &title), c.result) << c.bytes;
    EXPECT_EQ(address, c.address) << c.bytes;
    EXPECT_EQ(title, "Case " + std::to_string(n - 1));
  }
  std::string address, title;
  EXPECT_EQ(ReadUrlFile(folder.Path("missing.url"), &address, &title), -1);
}

TEST(InternetShortcut, WriterWritesCrLfLinesThatReadBack) {
  TempFolder folder;
  std::string written;
  ASSERT_EQ(WriteUrlFile(folder.Path(""), "Example", "https://example.org/?q=1", &written), 0u);
  EXPECT_EQ(written, folder.Path("Example.url"));
  std::string bytes;
  ASSERT_EQ(platform::ReadWholeFile(written.c_str(), &bytes), 0u);
  EXPECT_EQ(bytes, "[InternetShortcut]\r\nURL=https://example.org/?q=1\r\n");
  // A second write of the same name replaces the file.
  ASSERT_EQ(WriteUrlFile(folder.Path(""), "Example", "http://b.example/", &written), 0u);
  std::string address, title;
  EXPECT_EQ(ReadUrlFile(written, &address, &title), 0);
  EXPECT_EQ(address, "http://b.example/");
  EXPECT_EQ(title, "Example");
  EXPECT_NE(WriteUrlFile(folder.Path("missing/"), "X", "http://x.example/", &written), 0u);
}

}  // namespace
