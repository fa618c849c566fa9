// The HTML/XML escaper shared by template export and the clipboard links.
#pragma once

#include <string>
#include <string_view>

// Escapes text for an HTML (xml false) or XML document: CR is dropped; LF
// becomes "<br>" in HTML and stays in XML; a space after a space becomes
// "&nbsp;" in HTML so runs keep their width; double quote, "&", "<" and ">"
// become entities, and the apostrophe does too in XML.
std::string HtmlEscape(std::string_view text, bool xml);
