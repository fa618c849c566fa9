// The property every importer input must keep, whatever its bytes: the
// import ends with 0 or -1, the outline it appends needs no repair, and the
// list is written and loaded back unchanged. For the Netscape and XML
// favorites formats, small inputs must also give the outline of the plain
// pattern-by-pattern walk; a Chromium-family "Bookmarks" file that imports
// must give the outline of the browser's HTML export of it. Shared by the fuzz targets and the test
// that replays their seeds.
#pragma once

#include <string>

enum class ImportFormat { kNetscape, kOpera, kAol, kMsn, kPowermarks, kEarlier, kChromium };

// The format named by a corpus folder ("netscape", "opera", "aol", "msn",
// "powermarks", "earlier", "chromium"); false for another name.
bool ImportFormatNamed(const std::string& name, ImportFormat* format);

// Imports bytes as the format and checks the property, using folder for the
// list file. Returns an empty string when it holds, else what went wrong.
std::string CheckImportRoundTrip(ImportFormat format, const std::string& bytes,
                                 const std::string& folder);
