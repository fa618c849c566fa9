// The names of the files beside a list file: its automatic backups, the
// temporary file of a save, the copy taken before a repair and the ANSI
// copy of a UTF-16 list; and the list's name as shown to the user.
#pragma once

#include <cstdint>
#include <string>

// The extension of a list file.
constexpr char kListExtension[] = ".bkl";

// The three rotating backups, and the snapshot a save keeps of the list
// file before it writes a list that has lost many items.
enum class BackupKind { kRecent, kOlder, kOldest, kBeforeLargeDeletion };

// The folder with its trailing separator ("" for a bare file name), and the
// file name.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);

// "Autobackup of ", "Autobackup (older) of ", "Autobackup (oldest) of " or
// "Before large deletion of " before the file name, in the list's folder.
std::string BackupPath(const std::string& listPath, BackupKind kind);
// "~" before the file name: the temporary file of a save.
std::string TemporarySavePath(const std::string& listPath);
// "Autobackup (corrupted 2024-01-31 17.05) of " before the file name, with
// time as local time.
std::string CorruptedCopyPath(const std::string& listPath, uint32_t time);
// The ANSI copy of a UTF-16 list: the path without its extension, then
// " (ANSI)", then nothing (attempt 0) or " #attempt", then ".bkl".
std::string AnsiCopyPath(const std::string& listPath, int attempt);

// path with kListExtension appended when its file name has no extension
// (a dot that starts the name is none); otherwise path unchanged.
std::string WithListExtension(const std::string& path);
// The file name without its extension.
std::string ListNameFromPath(const std::string& path);
// Whether two paths name the same file as Windows compares them (case
// does not matter).
bool SamePath(const std::string& a, const std::string& b);
