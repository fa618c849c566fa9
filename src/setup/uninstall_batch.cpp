#include "setup/uninstall_batch.h"

#include "setup/program_files.h"

std::string UninstallBatchText(const std::string& shortFolder, const std::string& batchPath) {
  const std::string folder = WithBackslash(shortFolder);
  std::string text = ":REPEAT\n";
  for (int index = kProgramFileExe; index <= kProgramFileWildcard; ++index) {
    text += "DEL " + folder + ProgramFileName(index) + "\n";
    // Until the program has ended its file cannot go: try again.
    if (index == kProgramFileExe)
      text += "IF EXIST \"" + folder + ProgramFileName(kProgramFileExe) + "\" GOTO REPEAT\n";
  }
  text += "RMDIR " + WithoutBackslash(folder) + "\n";
  text += "DEL " + batchPath + "\n";
  text += "EXIT\n";
  return text;
}

std::string BatchFileBytes(const std::string& text) {
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}
