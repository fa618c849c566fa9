#include "search/text_preparation.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "text_cases.h"

namespace {

using namespace searchtest;

// The term and the field go through the same preparation, so each option
// must work from both sides.
TEST(TextPreparation, MatchingTable) {
  for (size_t i = 0; i < sizeof kMatchCases / sizeof kMatchCases[0]; ++i) {
    const MatchCase& c = kMatchCases[i];
    EXPECT_EQ(Match(c.term, c.text, c.mode, c.stored), c.expected)
        << "case " << i << ": \"" << c.term << "\" in \"" << c.text << "\" mode " << c.mode;
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
      {0,
       4,
       "web tools\thttp://a.org/x\\n\tnote\r\ntwo\ttag",
       {{0, 9}, {10, 26}, {27, 36}, {37, 40}},
       nullptr},
      {0, 2, "web tools\thttp://a.org/x\\n", {{0, 9}, {10, 26}}, nullptr},
      {kWhole,
       4,
       " web tools \t http a org x n \t note two \t tag ",
       {{0, 11}, {12, 28}, {29, 39}, {40, 45}},
       "tools http"},
      {kPunct | kCase,
       3,
       "WebTools\thttp//Aorg/x\\n\tNote\r\nTwo",
       {{0, 8}, {9, 23}, {24, 33}},
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
  const char* const pieces[] = {"Alpha", " ",      "\t",           "\\n", "\\",
                                "n",     "E-Mail", "\xC4\xD6\xDC", "x.y", "ZZZZZZZZZ",
                                "\"",    "0123",   "\xDF",         "::",  "Q"};
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
        std::string field =
            text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        start = tab == std::string::npos ? text.size() + 1 : tab + 1;
        if (f >= 2) {
          for (size_t at; (at = field.find("\\n")) != std::string::npos;)
            field.replace(at, 2, "\r\n");
        }
        std::string expected;
        prep.Prepare(field, &expected);
        EXPECT_EQ(out.substr(spans[f].begin, spans[f].end - spans[f].begin), expected)
            << "line " << line << " mode " << mode << " field " << f << ": " << text;
      }
    }
  }
}

TEST(TextPreparation, LettersOfTheCodePage) {
  for (const LetterCase& c : kLetterCases)
    EXPECT_EQ(platform::IsAnsiAlphaNumeric(c.c), c.letter) << int(c.c);
}

}  // namespace
