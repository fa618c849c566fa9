#include "exchange/export_choices.h"

#include <algorithm>

#include "platform/folder_listing.h"
#include "platform/platform.h"

namespace {

constexpr char kTemplateSuffix[] = ".txt";
constexpr char kAllFilesFilter[] = "All files (*.*)|*.*||";

std::string Joined(const std::string& folder, const std::string& name) {
  if (folder.empty() || platform::IsPathSeparator(folder.back())) return folder + name;
  return folder + platform::PreferredSeparator() + name;
}

}  // namespace

std::vector<TemplateCatalogRow> ListExportTemplates(const std::string& folder) {
  std::vector<TemplateCatalogRow> rows;
  std::vector<platform::FolderEntry> entries;
  if (!platform::ListFolder(folder, &entries)) return rows;
  std::vector<std::string> names;
  const size_t suffix = sizeof kTemplateSuffix - 1;
  for (const platform::FolderEntry& entry : entries) {
    if (entry.isFolder || entry.name.size() <= suffix) continue;
    if (platform::LowerAnsiText(entry.name.substr(entry.name.size() - suffix)) == kTemplateSuffix)
      names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return platform::LowerAnsiText(a) < platform::LowerAnsiText(b);
  });
  for (const std::string& name : names) {
    TemplateCatalogRow row;
    if (ReadTemplateHeader(Joined(folder, name), &row) == 0) rows.push_back(row);
  }
  return rows;
}

bool ExportDestinationComplete(const std::string& path, bool forTemplate) {
  size_t slash = path.rfind('\\');
  if (slash == std::string::npos) return false;
  return !forTemplate || path.find('.', slash + 1) != std::string::npos;
}

std::string ExportSaveFilter(const TemplateCatalogRow& row) {
  return row.name + " file (*." + row.extension + ")|*." + row.extension + "|" + kAllFilesFilter;
}

std::string ProposedExportFileName(const TemplateCatalogRow& row) {
  std::string name = row.filename;
  size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return row.extension.empty() ? name : name + "." + row.extension;
}

std::string ExportFailureText(int code, bool forTemplate) {
  if (code == -1)
    return forTemplate ? "The export template could not be read."
                       : "The destination folder could not be opened.";
  if (code == -2)
    return "The export template is incomplete (a section or the document is missing).";
  return {};
}
