// Export of the open list through a text template.
#pragma once

#include <string>

#include "list/bookmark_list.h"

struct TemplateExportOptions {
  std::string listTitle;  // the list's name, for the "list_title" field
  bool onlyMarked = false;
  bool excludeSmartFolders = false;
};

// Writes the whole list (deleted items left out; with the options, items
// not marked or in the SmartFolders left out together with everything
// below them) through the template to outputPath. formatText is the
// template's lower-cased format attribute. Returns 0; -1 when the template
// cannot be read; -2 when it lacks the document block or a section of
// levels 1-3 (the output file is then not created); otherwise the system
// error of a failed open or write of the output (what was written stays).
int ExportWithTemplate(BookmarkList& list, const std::string& outputPath,
                       const std::string& templatePath, const std::string& formatText,
                       const TemplateExportOptions& options);
