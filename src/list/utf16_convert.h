// The ANSI copy of a list file saved as UTF-16: made beside it under the
// first free name "name (ANSI).bkl", "name (ANSI) #1.bkl", ...; the UTF-16
// file itself is left as it was.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

constexpr size_t kConversionPiece = 2048;  // UTF-16 characters per piece

// The first AnsiCopyPath(path, n) that does not exist.
std::string FreeAnsiCopyPath(const std::string& path);

// Copies the UTF-16 text after the two-byte mark of source (open for
// reading) into a new file at target, converting it to the ANSI code page
// piece by piece. 0, or the system error (target is then removed).
uint32_t ConvertUtf16File(platform::File& source, const std::string& target);
