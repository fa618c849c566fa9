#include "search/text_preparation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kCase = 1, kWhole = 2, kPunct = 4;

bool Match(const std::string& term, const std::string& text, int mode, bool stored = false) {
  TextPreparer prep((mode & kCase) != 0, (mode & kWhole) != 0, (mode & kPunct) != 0);
  std::string t, f;
  prep.Prepare(term, &t);
  if (stored) {
    prep.PrepareStored(text, &f);
  } else {
    prep.Prepare(text, &f);
  }
  return prep.IsEmptyTerm(t) || prep.Contains(f, t);
}

// The term and the field go through the same preparation, so each option
// must work from both sides.
TEST(TextPreparation, MatchingTable) {
  struct Case {
    const char* term;
    const char* text;
    int mode;
    bool stored;
    bool expected;
  };
  const Case cases[] = {
      {"e-mail", "email", kPunct, false, true},
      {"e-mail", "E Mail", kPunct, false, true},
      {"email", "E-Mail", kPunct, false, true},
      {"e-mail", "email", 0, false, false},
      {"email", "e-mail", 0, false, false},
      {"e-mail", "E Mail", kPunct | kCase, false, false},
      {"net", "network", kWhole, false, false},
      {"net", "network", 0, false, true},
      {"net", "dot net", kWhole, false, true},
      {"net", "Net.", kWhole, false, true},
      {"net", "(net)", kWhole, false, true},
      {"car", "cards", kWhole, false, false},
      {"car", "a car, a house", kWhole, false, true},
      {"PDF", "pdf", 0, false, true},
      {"pdf", "PDF", 0, false, true},
      {"PDF", "pdf", kCase, false, false},
      {"PDF", "PDF files", kCase, false, true},
      {"web site", "my web site", kWhole, false, true},
      {"web site", "my website", kWhole, false, false},
      {"web site", "web  site", kWhole, false, true},  // runs of blanks are one gap
      {"web ", "web site", kWhole, false, true},       // a trailing blank while typing
      {"web site", "website", kWhole | kPunct, false, true},
      {"o'neil", "ONeil", kPunct, false, true},
      {"\"quoted\"", "quoted", kPunct, false, true},
      // Windows-1252 letters: folded, and letters for whole words.
      {"\xC4rger", "\xE4rger", 0, false, true},
      {"\xC4rger", "\xE4rger", kCase, false, false},
      {"caf", "le caf\xE9 noir", kWhole, false, false},
      {"caf\xC9", "le caf\xE9 noir", kWhole, false, true},
      {"stra", "Stra\xDF" "e", kWhole, false, false},
      // Notes and tags keep line breaks as backslash-"n".
      {"bar", "foo\\nbar", kWhole, true, true},
      {"nbar", "foo\\nbar", 0, true, false},
      {"foo bar", "foo\\nbar", 0, true, false},
      {"nbar", "foo\\nbar", 0, false, true},
      // A term that prepares to nothing asks for nothing.
      {"--", "anything", kPunct, false, true},
      {".", "anything", kWhole, false, true},
      {"--", "anything", 0, false, false},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(Match(c.term, c.text, c.mode, c.stored), c.expected)
        << "case " << i << ": \"" << c.term << "\" in \"" << c.text << "\" mode " << c.mode;
  }
}

TEST(TextPreparation, PreparedForms) {
  struct Case {
    const char* text;
    int mode;
    const char* expected;
  };
  const Case cases[] = {
      {"Web Site", 0, "web site"},
      {"Web Site", kWhole, " web site "},
      {"Web-Site, Inc.", kWhole, " web site inc "},
      {"Web-Site, Inc.", kPunct, "websiteinc"},
      {"Web-Site, Inc.", kWhole | kPunct, " websiteinc "},
      {"a/b", kWhole | kPunct, " a b "},
      {"", kWhole, " "},
      {"Mixed", kCase, "Mixed"},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const Case& c = cases[i];
    TextPreparer prep((c.mode & kCase) != 0, (c.mode & kWhole) != 0, (c.mode & kPunct) != 0);
    std::string out = "stale";
    prep.Prepare(c.text, &out);
    EXPECT_EQ(out, c.expected) << "case " << i;
  }
}

}  // namespace
