// The look at raw text before it is prepared may skip a line only when the
// prepared line cannot hold the term: checked against the full preparation
// over many random lines and terms, for every combination of options.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "search/text_preparation.h"

namespace {

// Letters in both cases, dropped punctuation, gaps, tabs between fields and
// stored line breaks (backslash-"n").
constexpr char kAlphabet[] = "abAB -./_\\n\tx";

class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed) {}
  uint32_t Next(uint32_t below) {
    state_ = state_ * 1103515245u + 12345u;
    return (state_ >> 16) % below;
  }
  std::string Text(size_t maxLength, bool tabs) {
    std::string text;
    size_t length = Next(static_cast<uint32_t>(maxLength) + 1);
    while (text.size() < length) {
      char c = kAlphabet[Next(sizeof kAlphabet - 1)];
      if (c != '\t' || tabs) text += c;
    }
    return text;
  }

 private:
  uint32_t state_;
};

TEST(RawFilter, NeverSkipsALineThatMatches) {
  Random random(7);
  for (int mode = 0; mode < 8; ++mode) {
    TextPreparer prep((mode & 1) != 0, (mode & 2) != 0, (mode & 4) != 0);
    int skipped = 0;
    int matched = 0;
    for (int t = 0; t < 300; ++t) {
      std::string term;
      prep.Prepare(random.Text(5, false), &term);
      prep.FilterTerm(term);
      for (int l = 0; l < 60; ++l) {
        std::string raw = random.Text(40, true);
        std::string prepared;
        TextPreparer::Span spans[4];
        prep.PrepareFields(raw, 4, 2, &prepared, spans);
        bool contains = prep.Contains(prepared, term);
        bool may = prep.RawMayContain(raw);
        matched += contains;
        skipped += !may;
        ASSERT_TRUE(may || !contains)
            << "mode " << mode << " term \"" << term << "\" raw \"" << raw << "\"";
      }
    }
    EXPECT_GT(matched, 0) << "mode " << mode;
    // Folding alone leaves nothing to gain: every line is prepared.
    if ((mode & 6) == 0)
      EXPECT_EQ(skipped, 0) << "mode " << mode;
    else
      EXPECT_GT(skipped, 0) << "mode " << mode;
  }
}

// The cases that need care, one by one.
TEST(RawFilter, RunsAcrossDroppedCharactersAndGaps) {
  struct Case {
    bool wholeWord;
    bool ignorePunctuation;
    const char* term;
    const char* raw;
    bool may;
  };
  const Case cases[] = {
      {true, true, "e-mail", "Send E Mail now", true},  // blanks and hyphens dropped
      {true, true, "email", "e/mail", false},           // a gap breaks the run
      {true, false, "web site", "the web/site", true},  // the longest word is enough
      {true, false, "network", "net work", false},
      {false, true, "a.b", "xa - bx", true},
      {false, true, "ab", "a\tb", false},  // never across two fields
      {true, true, "ab", "zz", false},
      {true, true, "x", "zz", true},  // one character: no filter
      {true, true, "n", "\\n", true},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const Case& c = cases[i];
    TextPreparer prep(false, c.wholeWord, c.ignorePunctuation);
    std::string term;
    prep.Prepare(c.term, &term);
    prep.FilterTerm(term);
    EXPECT_EQ(prep.RawMayContain(c.raw), c.may) << "case " << i;
  }
}

}  // namespace
