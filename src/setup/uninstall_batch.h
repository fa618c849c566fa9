// The batch file that deletes the program files where the system cannot
// delete them at the next restart: it waits until the program has ended.
#pragma once

#include <string>

constexpr const char kUninstallBatchName[] = "VelloxFl.bat";

// The batch text (lines end in "\n") for the application folder's short
// path shortFolder (with a trailing backslash) and the batch file's own
// path.
std::string UninstallBatchText(const std::string& shortFolder, const std::string& batchPath);
// The same text with the "\r\n" line ends of a batch file on disk.
std::string BatchFileBytes(const std::string& text);
