#include "exchange/template_header.h"

#include <cstdio>

#include "exchange/import_regex.h"
#include "exchange/import_text.h"
#include "platform/platform.h"

namespace {

// The attribute's value inside the tag text, empty when absent.
std::string Attribute(std::string_view tag, const char* attribute) {
  char pattern[64];
  std::snprintf(pattern, sizeof pattern, "\\s%s=\"(.*?)\"", attribute);
  ImportMatch match;
  if (!SearchIn(ImportPattern(pattern), tag, &match)) return {};
  return std::string(Group(match, 1));
}

}  // namespace

int ReadTemplateHeader(const std::string& path, TemplateCatalogRow* row) {
  *row = TemplateCatalogRow();
  row->path = path;
  std::string text;
  if (ReadImportText(path, false, false, &text) < 0) return -1;
  try {
    ImportMatch match;
    if (!SearchIn(ImportPattern("<vx:document.*?>"), text, &match)) return -2;
    std::string_view tag = Group(match, 0);
    row->name = Attribute(tag, "name");
    row->filename = Attribute(tag, "filename");
    row->extension = Attribute(tag, "extension");
    row->format = platform::LowerAnsiText(Attribute(tag, "format"));
    row->id = Attribute(tag, "id");
  } catch (const std::exception&) {
    return -2;  // the pattern search gave up on this text
  }
  return row->name.empty() ? -3 : 0;
}
