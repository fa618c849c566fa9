// The catalogue row of an export template, read from the attributes of its
// opening vx:document tag.
#pragma once

#include <string>

struct TemplateCatalogRow {
  std::string path;
  std::string name;
  std::string filename;
  std::string extension;
  std::string format;  // lower-cased
  std::string id;
};

// Reads the template at path (raw bytes) and fills row. Returns 0; -1 when
// the file cannot be read; -2 without a "<vx:document ...>" tag; -3 when
// the tag has no non-empty name (the template is then unusable).
int ReadTemplateHeader(const std::string& path, TemplateCatalogRow* row);
