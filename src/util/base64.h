// Base64 with the standard alphabet, as used for encrypted passwords and
// encrypted list lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Flags of Base64Encode.
constexpr int kBase64NoPadding = 1;     // no "=" completion
constexpr int kBase64NoLineBreaks = 2;  // no "\r\n" after every 76 characters

std::string Base64Encode(const void* bytes, size_t length, int flags);
// The length of Base64Encode's text for the same input length and flags.
size_t Base64EncodedLength(size_t length, int flags);
// Characters outside the alphabet ("=", blanks, line breaks) are skipped.
std::string Base64Decode(const char* text, size_t length);
// Strict decoding, for text that must be as Base64Encode writes it without
// line breaks (padded or not): only the alphabet, then at most two "=" at
// the very end that complete the last group, and no lone last character. Returns false for
// anything else; bytes is then unspecified.
bool Base64DecodeStrict(std::string_view text, std::string* bytes);
