// The text reader and decoders the importers share: the whole file as
// bytes, optionally decoded from UTF-8 into the ANSI code page and then
// from HTML character references.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"

// Reads the whole file into text. With decodeUtf8 the bytes go through
// DecodeUtf8ToAnsi; with both flags the result then goes through
// DecodeHtmlEntities. Returns the number of bytes read, or -1 when the file
// cannot be opened or read (text is then empty).
int64_t ReadImportText(const std::string& path, bool decodeUtf8, bool decodeEntities,
                       std::string* text);
// ReadImportText with decodeUtf8 alone, into a large table (a file is the
// largest block an import fills). False when the file cannot be read.
bool ReadUtf8ImportText(const std::string& path, platform::LargeTable<char>* text);

// UTF-8 to the ANSI code page, sequence by sequence, without checking the
// continuation bytes: the lead byte alone decides the length. A pair of
// 0x02 bytes (a line-break mark of some browsers) becomes backslash and
// "n", the list's escaped line break. A stray continuation byte and a
// sequence cut short by the end of the text give nothing; a code point the
// code page lacks gives what the platform's conversion gives ("?").
std::string DecodeUtf8ToAnsi(std::string_view text);

// HTML character references: "&#" decimal ";" becomes that character
// (codes up to 255 as the byte itself, larger ones through the code page),
// and "&amp;", "&quot;", "&lt;", "&gt;", "&apos;", "&nbsp;" in any case
// become "&", a double quote, "<", ">", an apostrophe and a plain space.
// Everything else, hexadecimal references included, is left as it is.
std::string DecodeHtmlEntities(std::string_view text);
