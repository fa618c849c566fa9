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
  // The searched fields of a stored line in one pass: the first `count`
  // tab-separated fields of `fields` (the rest is left out), those from
  // `firstStored` on being notes or tags as stored, where backslash-"n"
  // stands for a line break (prepared as the user reads them, with the
  // break). The tabs stay between the prepared fields, so a prepared term,
  // which holds no tab, can never be found across two fields. spans[i]
  // receives the place of field i in out.
  struct Span {
    size_t begin = 0;
    size_t end = 0;
  };
  void PrepareFields(std::string_view fields, int count, int firstStored, std::string* out,
                     Span* spans) const;

  // A quick look at raw text before it is prepared, for a term already
  // prepared: FilterTerm remembers the term's longest run of characters
  // without a blank; RawMayContain is false only when the prepared raw
  // text cannot hold that run (its characters, in order, with nothing but
  // dropped characters between them in the raw text). Only where the
  // preparation rewrites the text (whole word or punctuation, single-byte
  // code page) and the run has two characters or more; else always true.
  void FilterTerm(std::string_view preparedTerm);
  bool RawMayContain(std::string_view raw) const;

  // True when the prepared term asks for nothing: empty, or only the
  // framing blanks of a whole-word term. Such a term matches every item.
  bool IsEmptyTerm(std::string_view prepared) const;
  // Plain substring search of a prepared term in a prepared field; in a
  // double-byte code page a hit must start on a character.
  bool Contains(std::string_view field, std::string_view term) const;

 private:
  // Prepares one field (or the term) at o and returns the end of what was
  // written; stored: a backslash-"n" is a line break.
  char* PrepareOne(const unsigned char* in, size_t n, bool stored, char* o) const;
  // Case folding alone keeps every character in its place: the fields are
  // folded eight ASCII characters at a time, their tabs found on the way.
  // Returns the end of the last field; *backslash is set when a backslash
  // was seen (a stored line break may need marking).
  size_t FoldFields(const unsigned char* in, size_t n, int count, Span* spans, char* o,
                    bool* backslash) const;
  // Whole word and punctuation through the tables, without branches.
  char* Transform(const unsigned char* in, size_t n, char* o) const;
  // Character by character: double-byte characters and stored line breaks.
  char* TransformCarefully(const unsigned char* in, size_t n, bool stored, char* o) const;
  bool IsLead(unsigned char c) const { return lead_[c] != 0; }

  bool caseSensitive_;
  bool wholeWord_;
  bool ignorePunctuation_;
  bool doubleByte_ = false;  // the code page has lead bytes
  bool asciiFold_ = true;    // ASCII folds as A-Z to a-z and nothing else
  bool foldOnly_ = false;    // neither whole word nor punctuation, single-byte
  uint8_t fold_[256];
  uint8_t lead_[256];
  // By input byte: what is written, whether it is written as itself
  // (folded), whether it is a word gap (written once as a blank).
  uint8_t out_[256];
  uint8_t keep_[256];
  uint8_t gap_[256];
  uint8_t notGap_[256];
  // Whether the run, around raw byte i that prepares to its anchor, is
  // there.
  bool RunAround(const unsigned char* in, size_t n, size_t i) const;

  std::string run_;                 // what RawMayContain looks for; empty: no filter
  size_t anchor_ = 0;               // its least common character
  uint8_t anchorBytes_[256];        // raw bytes that prepare to the anchor
  uint8_t anchorByte_[2] = {0, 0};  // the first two of them
  int anchorByteCount_ = 0;
  uint8_t commonness_[256];  // how often a character turns up, roughly
};
