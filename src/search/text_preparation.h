// The text preparation of a search: the term and every searched field go
// through the same transformation, and a plain substring search on the
// results then does case-insensitive, whole-word and punctuation-blind
// matching.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TextPreparer {
 public:
  // Reads the case and letter tables of the ANSI code page from the
  // platform (cheap: 256 entries), so one preparer serves one search.
  TextPreparer(bool caseSensitive, bool wholeWord, bool ignorePunctuation);

  // In order: lower case unless case-sensitive; with ignorePunctuation the
  // characters " -.,:;'\"" are dropped; with wholeWord every character that
  // is not a letter or digit becomes a blank, runs of blanks become one and
  // the text is framed by blanks. Double-byte characters pass unchanged and
  // count as letters. out is overwritten.
  void Prepare(std::string_view text, std::string* out) const;
  // Notes and keywords as stored, where backslash-"n" stands for a line
  // break: prepared as the user reads them, with the break in place.
  void PrepareStored(std::string_view stored, std::string* out) const;

  // True when the prepared term asks for nothing: empty, or only the
  // framing blanks of a whole-word term. Such a term matches every item.
  bool IsEmptyTerm(std::string_view prepared) const;
  // True when preparation leaves every text as it is (case-sensitive and
  // nothing else), so fields can be searched where they lie.
  bool IsIdentity() const { return caseSensitive_ && !wholeWord_ && !ignorePunctuation_; }

  // Plain substring search of a prepared term in a prepared field; in a
  // double-byte code page a hit must start on a character.
  bool Contains(std::string_view field, std::string_view term) const;

 private:
  void Run(std::string_view text, bool stored, std::string* out) const;
  bool IsLead(unsigned char c) const { return (kind_[c] & kLead) != 0; }

  static constexpr uint8_t kLead = 1;
  static constexpr uint8_t kWordChar = 2;
  static constexpr uint8_t kPunctuation = 4;

  bool caseSensitive_;
  bool wholeWord_;
  bool ignorePunctuation_;
  bool doubleByte_ = false;  // the code page has lead bytes
  uint8_t fold_[256];
  uint8_t kind_[256];
};
