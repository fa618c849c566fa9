// The text form of one item: a line of tab-separated fields in column order
// (ID, Level, Flags, TimeModified, AliasID, Title, ... TimeSiteChecked).
// Pure text work; the list adds what depends on links, settings and time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/list_types.h"

constexpr int kFieldCount = 23;

// The characters a loaded line loses at its end.
inline bool IsLineSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
std::string_view TrimTrailingSpace(std::string_view text);

// Unsigned decimal as the file writes it; reading stops at the first
// character that is not a digit and saturates at 0xFFFFFFFF. Empty = 0.
uint32_t ParseUnsigned(std::string_view text);

// Fields 0-4, all a loader needs; read without touching any text field.
struct LineHead {
  uint32_t id = 0;
  int8_t level = kLevelRoot;
  uint16_t flags = 0;  // bits 0-11
  uint32_t timeModified = 0;
  uint32_t aliasId = 0;
};
LineHead DecodeHead(std::string_view line);
// DecodeHead(line).timeModified, reading nothing after it.
uint32_t DecodeTimeModified(std::string_view line);

// Decodes a line into a cleared record: fields 0-4 only (as while loading),
// or all 23. Level is the stored value minus one; Flags keeps bits 0-11.
// Title, URL, Login and Password come out trimmed; Rating above 5 reads 0.
void DecodeLine(std::string_view line, bool allFields, BookmarkItem* record);

// Encodes a record in the shape its kind requires: the root (ID 0 at index
// 0; an item elsewhere with ID 0 keeps its fields) as four
// fields, an alias as five, a bookmark (flag 0x10) as all 23, anything else
// as nine. Text is cleaned on the way so a field can never break the line;
// trailing white space is dropped, as loading would drop it.
void EncodeLine(const BookmarkItem& record, std::string* line);
// The same into room of at least EncodedLineBound(record) bytes; returns
// the line's length.
size_t EncodedLineBound(const BookmarkItem& record);
size_t EncodeLineInto(const BookmarkItem& record, char* out);
// The numbers a list gives an item as it adds it, in place of the record's
// ID, Flags, TimeAdded and TimeModified.
struct NewLineNumbers {
  uint32_t id;  // never 0
  uint16_t flags;
  uint32_t timeAdded;
  uint32_t timeModified;
};
// The line of a new item: the record with those numbers, its notes and
// keywords encoded (EncodeNoteText) on the way. Room as EncodeLineInto.
size_t EncodeNewLineInto(const BookmarkItem& record, const NewLineNumbers& numbers, char* out);
// Whether EncodeNoteText(text) is empty (text holds carriage returns only).
bool NoteTextIsEmpty(std::string_view text);

// Title and URL: tab, carriage return and line feed become spaces, then
// white space is trimmed at both ends.
std::string CleanLineText(std::string_view text);
// Login and Password: trimmed.
std::string TrimText(std::string_view text);
// Notes and Keywords as stored: tab becomes four spaces, line feed the two
// characters backslash and "n", carriage return is dropped. Idempotent.
std::string EncodeNoteText(std::string_view text);
// The stored form shown to the user: backslash-"n" becomes CR LF.
std::string DecodeNoteText(std::string_view stored);
