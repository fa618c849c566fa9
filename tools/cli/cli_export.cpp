#include "cli_export.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_favorites.h"
#include "exchange/template_export.h"
#include "exchange/template_header.h"
#include "list/bookmark_list.h"
#include "list/encryption.h"
#include "list/list_file.h"
#include "platform/platform.h"

namespace {

int Usage() {
  std::fputs(
      "usage: vellox-cli export TEMPLATE LIST OUT [--marked] [--no-smartfolders] "
      "[--password P]\n"
      "       vellox-cli export favorites LIST FOLDER [--marked] [--no-smartfolders]\n"
      "       vellox-cli templates DIR\n",
      stderr);
  return 2;
}

// The list's file name without folder and extension.
std::string ListName(const std::string& path) {
  size_t slash = platform::LastSeparator(path);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

bool LoadListForExport(BookmarkList& list, const std::string& path, const std::string& password,
                       std::FILE* out) {
  EncryptionOf(list);
  ListResult header = ReadHeader(list, path);
  if (!HeaderAllowsLoading(header)) {
    std::fprintf(out, "result: %s\n", ResultName(header));
    return false;
  }
  if (!password.empty() && !CheckPassword(list, password, true)) {
    std::fputs("result: wrong password\n", out);
    return false;
  }
  ListResult loaded = LoadLines(list, 0);
  if (loaded != ListResult::ReadWrite && loaded != ListResult::NeedsRepair) {
    std::fprintf(out, "result: %s\n", ResultName(loaded));
    return false;
  }
  return true;
}

int RunExportCommand(int argc, char** args, std::FILE* out) {
  if (argc >= 1 && std::strcmp(args[0], "favorites") == 0)
    return RunFavoritesExportCommand(argc - 1, args + 1, out);
  if (argc < 3) return Usage();
  TemplateExportOptions options;
  std::string password;
  for (int i = 3; i < argc; ++i) {
    if (std::strcmp(args[i], "--marked") == 0)
      options.onlyMarked = true;
    else if (std::strcmp(args[i], "--no-smartfolders") == 0)
      options.excludeSmartFolders = true;
    else if (std::strcmp(args[i], "--password") == 0 && i + 1 < argc)
      password = args[++i];
    else
      return Usage();
  }
  TemplateCatalogRow row;
  int header = ReadTemplateHeader(args[0], &row);
  if (header != 0) {
    std::fprintf(out, "result: %d\n", header);
    return 1;
  }
  BookmarkList list;
  if (!LoadListForExport(list, args[1], password, out)) return 1;
  options.listTitle = ListName(args[1]);
  int result = ExportWithTemplate(list, args[2], args[0], row.format, options);
  std::fprintf(out, "result: %d\n", result);
  if (result != 0) return 1;
  std::fprintf(out, "format: %s\n", row.format.c_str());
  return 0;
}

int RunTemplatesCommand(int argc, char** args, std::FILE* out) {
  if (argc != 1) return Usage();
  std::error_code error;
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(args[0], error)) {
    std::string name = entry.path().filename().string();
    if (name.size() > 4 && platform::LowerAnsiText(name.substr(name.size() - 4)) == ".txt")
      paths.push_back(entry.path().string());
  }
  if (error) {
    std::fprintf(out, "result: cannot list %s\n", args[0]);
    return 1;
  }
  std::sort(paths.begin(), paths.end());
  for (const std::string& path : paths) {
    TemplateCatalogRow row;
    if (ReadTemplateHeader(path, &row) != 0) continue;
    std::string file = path.substr(platform::LastSeparator(path) + 1);
    std::fprintf(out, "%s\t%s\t%s\t%s\t%s\t%s\n", file.c_str(), row.name.c_str(),
                 row.filename.c_str(), row.extension.c_str(), row.format.c_str(), row.id.c_str());
  }
  return 0;
}
