#include "exchange/shortcut_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ShortcutNames, FileNameFromTitle) {
  const std::string seventy(70, 'x');
  const std::string sixtyFour(64, 'y');
  const struct {
    std::string title;
    std::string name;
  } cases[] = {
      {"Example", "Example"},
      {"  padded \t", "padded"},
      {"", "(No title)"},
      {"   ", "(No title)"},
      {seventy, std::string(61, 'x') + "..."},
      {sixtyFour, sixtyFour},
      {sixtyFour + "z", std::string(64 - 3, 'y') + "..."},
      // Trimmed first, then cut: the blanks around do not count.
      {"  " + sixtyFour + "  ", sixtyFour},
      {"abc/def:ghi", "abc def ghi"},
      {"a\\b*c?d\"e<f>g|h", "a b c d e f g h"},
      {"one\ttwo\r\nthree", "one two  three"},
      {"Caf\xE9 & \"Bar\"", "Caf\xE9 &  Bar "},
      // Replacement comes after the cut: a forbidden character at the end
      // of the kept part becomes a blank before the dots.
      {std::string(60, 'z') + ":" + std::string(10, 'z'), std::string(60, 'z') + " ..."},
  };
  int n = 0;
  for (const auto& c : cases) EXPECT_EQ(ShortcutFileName(c.title), c.name) << "case " << n++;
}

TEST(ShortcutNames, InternetAddressesAndProgramPaths) {
  const struct {
    const char* address;
    bool internet;
    bool program;
    const char* target;
    const char* arguments;
  } cases[] = {
      {"http://a.example/", true, false, "", ""},
      {"HTTPS://A.EXAMPLE/", true, false, "", ""},
      {"ftp://f.example/", true, false, "", ""},
      {"gopher://g.example/", true, false, "", ""},
      {"news://n.example/", true, false, "", ""},
      {"mailto:m@example.com", true, false, "", ""},
      {"file:///c:/x.txt", false, false, "", ""},
      {"www.example.com", false, true, "www.example.com", ""},
      {"C:\\Program Files\\Editor\\edit.exe", false, true, "C:\\Program Files\\Editor\\edit.exe",
       ""},
      {"c:\\tools\\run.EXE /q \"a b.txt\"", false, true, "c:\\tools\\run.EXE", "/q \"a b.txt\""},
      {"\\\\server\\share\\doc.pdf", false, true, "\\\\server\\share\\doc.pdf", ""},
      {"notes.txt", false, true, "notes.txt", ""},
      // A folder without an extension, an extension with a digit, a colon
      // outside the drive: no link can be made.
      {"C:\\Windows", false, false, "", ""},
      {"C:\\docs\\a.mp3", false, false, "", ""},
      {"C:\\x.exe:stream", false, false, "", ""},
      {"", false, false, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsInternetAddress(c.address), c.internet) << c.address;
    if (c.internet) continue;
    std::string target = "stale", arguments = "stale";
    EXPECT_EQ(SplitProgramAddress(c.address, &target, &arguments), c.program) << c.address;
    EXPECT_EQ(target, c.target) << c.address;
    EXPECT_EQ(arguments, c.arguments) << c.address;
  }
}

}  // namespace
