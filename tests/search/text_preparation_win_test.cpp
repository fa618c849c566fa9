// The text preparation with the system's own tables: CharLowerBuffA and
// IsCharAlphaNumericA of the ANSI code page (1252 here).
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "text_cases.h"

namespace {

using namespace searchtest;

TEST(TextPreparationWin, MatchingTable) {
  for (size_t i = 0; i < sizeof kMatchCases / sizeof kMatchCases[0]; ++i) {
    const MatchCase& c = kMatchCases[i];
    EXPECT_EQ(Match(c.term, c.text, c.mode, c.stored), c.expected)
        << "case " << i << ": \"" << c.term << "\" in \"" << c.text << "\" mode " << c.mode;
  }
}

TEST(TextPreparationWin, LettersOfTheCodePage) {
  for (const LetterCase& c : kLetterCases)
    EXPECT_EQ(platform::IsAnsiAlphaNumeric(c.c), c.letter) << int(c.c);
}

}  // namespace
