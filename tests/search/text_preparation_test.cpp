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
    TextPreparer::Span span;
    prep.PrepareFields(text, 1, 0, &f, &span);
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

// A stored line's searched fields, prepared together: tabs stay between
// them, each field is framed on its own, and only notes and tags read
// backslash-"n" as a line break.
TEST(TextPreparation, FieldsOfALine) {
  struct Case {
    int mode;
    int count;
    const char* expected;
    size_t spans[4][2];
    const char* across;  // a term that would match if the fields ran together
  };
  const char* line = "Web Tools\thttp://A.org/x\\n\tNote\\nTwo\ttag\tunread";
  const Case cases[] = {
      {0, 4, "web tools\thttp://a.org/x\\n\tnote\r\ntwo\ttag",
       {{0, 9}, {10, 26}, {27, 36}, {37, 40}}, nullptr},
      {0, 2, "web tools\thttp://a.org/x\\n", {{0, 9}, {10, 26}}, nullptr},
      {kWhole, 4, " web tools \t http a org x n \t note two \t tag ",
       {{0, 11}, {12, 28}, {29, 39}, {40, 45}}, "tools http"},
      {kPunct | kCase, 3, "WebTools\thttp//Aorg/x\\n\tNote\r\nTwo", {{0, 8}, {9, 23}, {24, 33}},
       "Toolshttp"},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const Case& c = cases[i];
    TextPreparer prep((c.mode & kCase) != 0, (c.mode & kWhole) != 0, (c.mode & kPunct) != 0);
    std::string out;
    TextPreparer::Span spans[4];
    prep.PrepareFields(line, c.count, 2, &out, spans);
    EXPECT_EQ(out, c.expected) << "case " << i;
    for (int f = 0; f < c.count; ++f) {
      EXPECT_EQ(spans[f].begin, c.spans[f][0]) << "case " << i << " field " << f;
      EXPECT_EQ(spans[f].end, c.spans[f][1]) << "case " << i << " field " << f;
    }
    if (c.across) {
      std::string term;
      prep.Prepare(c.across, &term);
      EXPECT_FALSE(prep.Contains(out, term)) << "case " << i;
    }
  }
  // A short line: the missing fields are empty, at the end.
  TextPreparer prep(false, true, false);
  std::string out;
  TextPreparer::Span spans[4];
  prep.PrepareFields("Only", 4, 2, &out, spans);
  EXPECT_EQ(out, " only ");
  EXPECT_EQ(spans[3].begin, 6u);
  EXPECT_EQ(spans[3].end, 6u);
}

// The preparation of a whole line (folded eight bytes at a time, tabs
// found on the way) gives each field exactly what preparing the field by
// itself gives, in every mode.
TEST(TextPreparation, FieldsMatchFieldByField) {
  const char* const pieces[] = {"Alpha", " ", "\t", "\\n", "\\", "n", "E-Mail", "\xC4\xD6\xDC",
                                "x.y", "ZZZZZZZZZ", "\"", "0123", "\xDF", "::", "Q"};
  uint32_t seed = 1;
  for (int line = 0; line < 300; ++line) {
    std::string text;
    int length = line % 25;
    for (int k = 0; k < length; ++k) {
      seed = seed * 1103515245u + 12345u;
      text += pieces[(seed >> 16) % (sizeof pieces / sizeof pieces[0])];
    }
    for (int mode = 0; mode < 8; ++mode) {
      TextPreparer prep((mode & kCase) != 0, (mode & kWhole) != 0, (mode & kPunct) != 0);
      std::string out;
      TextPreparer::Span spans[4];
      prep.PrepareFields(text, 4, 2, &out, spans);
      size_t start = 0;
      for (int f = 0; f < 4 && start <= text.size(); ++f) {
        size_t tab = text.find('\t', start);
        std::string field = text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        start = tab == std::string::npos ? text.size() + 1 : tab + 1;
        if (f >= 2) {
          for (size_t at; (at = field.find("\\n")) != std::string::npos;) field.replace(at, 2, "\r\n");
        }
        std::string expected;
        prep.Prepare(field, &expected);
        EXPECT_EQ(out.substr(spans[f].begin, spans[f].end - spans[f].begin), expected)
            << "line " << line << " mode " << mode << " field " << f << ": " << text;
      }
    }
  }
}

}  // namespace
