// The HTML file a Chromium-family browser's bookmark manager exports from a
// profile's "Bookmarks" file, written from the parsed document: the bar as
// a folder, the contents of "other" and "synced" at the top level, titles
// escaped, addresses as they are, dates in seconds since 1970. Imported
// with the Netscape importer it is the oracle for the Chromium importer.
#pragma once

#include <string>
#include <string_view>

namespace reference {

// The export of the JSON text; false when the text is not a JSON object
// with a "roots" object. Sets *comparable to false when an address holds a
// character the export writes unescaped but the Netscape walk reads as
// markup ('"', '&', '<', '>'), which the browser never stores.
bool ChromiumHtmlExport(std::string_view json, std::string* html, bool* comparable);

}  // namespace reference
