#include "exchange/import_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/import_test_support.h"
#include "support/temp_folder.h"

namespace {

// The native build's ANSI code page is Windows-1252.
TEST(DecodeUtf8ToAnsi, Table) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {
      {"plain ascii", "plain ascii"},
      {"Caf\xC3\xA9", "Caf\xE9"},
      {"\xE2\x82\xAC 5", "\x80 5"},       // euro sign: 0x80 in the code page
      {"tea \xE2\x98\x95!", "tea ?!"},    // not in the code page
      {"\xF0\x9F\x98\x80", "?"},          // beyond 16 bits
      {"line\x02\x02two", "line\\ntwo"},  // line-break mark
      {"one\x02two", "one\x02two"},       // a single 0x02 stays
      {"a\x80"
       "b",
       "ab"},  // stray continuation byte
      {"\xC3"
       "A",
       "\xC1"},              // continuation bytes are not checked
      {"\xC0\x80z", "z"},    // code point 0 gives nothing
      {"ab\xE2\x82", "ab"},  // cut short by the end
      {"\xC3", ""},
      {"\xFC\x80\x80\x80\x80\x80x", "x"},  // six bytes, code point 0
      {std::string("nul\0kept", 8), std::string("nul\0kept", 8)},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
    EXPECT_EQ(DecodeUtf8ToAnsi(cases[i].in), cases[i].out) << "case " << i;
}

TEST(DecodeHtmlEntities, Table) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"Q&amp;A", "Q&A"},
      {"&AMP;&Quot;&LT;&gt;&aPos;&NBSP;", "&\"<>' "},
      {"&#65;&#066;", "AB"},
      {"&#233;", "\xE9"},
      {"&#8364;", "\x80"},  // beyond a byte: the character, through the code page
      {"&#9749;", "?"},
      {"&#99999999999999;x", "?x"},
      {"a&#0;b", "ab"},
      {"&#;", "&#;"},
      {"&#65 x", "&#65 x"},  // not closed by ";"
      {"&#x41;", "&#x41;"},  // hexadecimal stays
      {"&bogus; &", "&bogus; &"},
      {"&amp;lt;", "&lt;"},  // one pass only
      {"&am", "&am"},
      {"", ""},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
    EXPECT_EQ(DecodeHtmlEntities(cases[i].in), cases[i].out) << "case " << i;
}

TEST(ReadImportText, Flags) {
  TempFolder folder;
  std::string path = folder.Path("in.html");
  importtest::WriteFile(path, "Caf\xC3\xA9 &amp; co");
  struct Case {
    bool utf8, entities;
    const char* out;
  };
  const Case cases[] = {
      {false, false, "Caf\xC3\xA9 &amp; co"},
      {false, true, "Caf\xC3\xA9 &amp; co"},  // entities only after UTF-8
      {true, false, "Caf\xE9 &amp; co"},
      {true, true, "Caf\xE9 & co"},
  };
  for (const Case& c : cases) {
    std::string text = "stale";
    EXPECT_EQ(ReadImportText(path, c.utf8, c.entities, &text), 14);
    EXPECT_EQ(text, c.out);
  }
  std::string text = "stale";
  EXPECT_EQ(ReadImportText(folder.Path("missing.html"), true, true, &text), -1);
  EXPECT_EQ(text, "");
}

}  // namespace
