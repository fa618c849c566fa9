// Matching cases of the text preparation, shared by the native test and the
// Windows test (which prepares with the system's own case and letter tables
// of code page 1252).
#pragma once

#include <string>

#include "search/text_preparation.h"

namespace searchtest {

constexpr int kCase = 1, kWhole = 2, kPunct = 4;

inline bool Match(const std::string& term, const std::string& text, int mode, bool stored) {
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

struct MatchCase {
  const char* term;
  const char* text;
  int mode;
  bool stored;  // the text is a note as stored
  bool expected;
};

inline constexpr MatchCase kMatchCases[] = {
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
    {"stra",
     "Stra\xDF"
     "e",
     kWhole, false, false},
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

// Letters and digits of code page 1252, as whole-word matching sees them.
struct LetterCase {
  unsigned char c;
  bool letter;
};

inline constexpr LetterCase kLetterCases[] = {
    {'a', true},  {'Z', true},   {'5', true},  {'-', false},  {' ', false},
    {0xE9, true}, {0xDF, true},  {0xC4, true}, {0xD7, false}, {0xF7, false},
    {0x8A, true}, {0xAB, false}, {0xA0, false}};

}  // namespace searchtest
