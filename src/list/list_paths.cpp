#include "list/list_paths.h"

#include <ctime>

#include "platform/platform.h"

namespace {

std::string Prefixed(const std::string& listPath, const std::string& prefix) {
  return FolderOf(listPath) + prefix + FileNameOf(listPath);
}

// The position of the extension's dot in the file name part of path, or
// npos. A dot that starts the name is no extension.
size_t ExtensionDot(const std::string& path) {
  size_t sep = platform::LastSeparator(path);
  size_t nameStart = sep == std::string::npos ? 0 : sep + 1;
  size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot <= nameStart) return std::string::npos;
  return dot;
}

}  // namespace

std::string FolderOf(const std::string& path) {
  size_t sep = platform::LastSeparator(path);
  return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

std::string FileNameOf(const std::string& path) {
  size_t sep = platform::LastSeparator(path);
  return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string BackupPath(const std::string& listPath, BackupKind kind) {
  switch (kind) {
    case BackupKind::kRecent:
      return Prefixed(listPath, "Autobackup of ");
    case BackupKind::kOlder:
      return Prefixed(listPath, "Autobackup (older) of ");
    case BackupKind::kOldest:
      return Prefixed(listPath, "Autobackup (oldest) of ");
    case BackupKind::kBeforeLargeDeletion:
      return Prefixed(listPath, "Before large deletion of ");
  }
  return std::string();
}

std::string TemporarySavePath(const std::string& listPath) { return Prefixed(listPath, "~"); }

std::string CorruptedCopyPath(const std::string& listPath, uint32_t time) {
  std::tm local = {};
  platform::UtcToLocalTm(time, &local);
  return Prefixed(
      listPath, "Autobackup (corrupted " + platform::FormatTime("%Y-%m-%d %H.%M", local) + ") of ");
}

std::string AnsiCopyPath(const std::string& listPath, int attempt) {
  size_t dot = ExtensionDot(listPath);
  std::string stem = dot == std::string::npos ? listPath : listPath.substr(0, dot);
  stem += " (ANSI)";
  if (attempt > 0) stem += " #" + std::to_string(attempt);
  return stem + kListExtension;
}

std::string WithListExtension(const std::string& path) {
  return ExtensionDot(path) == std::string::npos ? path + kListExtension : path;
}

std::string ListNameFromPath(const std::string& path) {
  std::string name = FileNameOf(path);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

bool SamePath(const std::string& a, const std::string& b) {
  return a.size() == b.size() && platform::LowerAnsiText(a) == platform::LowerAnsiText(b);
}
