#include "cli_messages.h"

namespace {

const MessageText kFileErrorOpen = {
    10013, "File Error",
    "Sorry, I cannot open the selected bookmark list file:\n%1\nPlease correct the file path or "
    "select another list."};
const MessageText kNotAListFile = {
    10031, "File Error",
    "This is not a Vellox list file. If it is a\nOrvandel list file, you must import it first.\n"
    "Otherwise select another list or create a new one."};
const MessageText kCorrupt = {10011, "List File Is Corrupt",
                              "Sorry, this bookmark list file is corrupted in such\na way that I "
                              "cannot repair it. You should "
                              "restore one\nof the 'Autobackup' files saved in the same folder."};
const MessageText kConvert = {
    10089, "Convert from Unicode?",
    "This bookmark list is in Unicode text format. If you proceed, I will\nmake and open an ANSI "
    "copy of this file leaving the original intact."};
const MessageText kEncryptedUnicode = {10090, "Encrypted Unicode bookmark list", ""};
const MessageText kFull = {
    10037, "Bookmark List Full",
    "The bookmark list '%1' is now full. You need to purge deleted items\n(File menu) and/or move "
    "some of your bookmarks to a new list file."};
const MessageText kOutOfMemory = {
    10023, "Serious Problem",
    "Sorry, Windows is not able to allocate enough memory to load the bookmark list.\nSome of the "
    "bookmark list has been loaded, but you will not be able to make any changes to it."};
const MessageText kRepaired = {
    10010, "Repaired List File",
    "This bookmark list file was corrupted but is now repaired.\nA backup copy of the unrepaired "
    "list has been saved at:\n%1"};
const MessageText kFileErrorSave = {
    10030, "File Error",
    "Sorry, I am not able to save the bookmark list file:\n%1\n\nConsider making a backup to a "
    "different location using 'Save Copy'.\nN.B. If you press 'Ignore' you may lose any changes "
    "you've made."};
const MessageText kEncryptionError = {
    10079, "Encryption Error",
    "Sorry, there was a problem with encrypting this list file.\nThe encryption settings have "
    "been reset."};

}  // namespace

const MessageText* MessageFor(ListResult result) {
  switch (result) {
    case ListResult::CannotOpen:
      return &kFileErrorOpen;
    case ListResult::NotAListFile:
      return &kNotAListFile;
    case ListResult::DamagedHeader:
    case ListResult::Damaged:
      return &kCorrupt;
    case ListResult::Utf16:
      return &kConvert;
    case ListResult::EncryptedUtf16:
      return &kEncryptedUnicode;
    case ListResult::Full:
      return &kFull;
    case ListResult::OutOfMemory:
      return &kOutOfMemory;
    case ListResult::NeedsRepair:
      return &kRepaired;
    default:
      return nullptr;
  }
}

const MessageText* MessageFor(WriteResult result) {
  switch (result) {
    case WriteResult::CannotWrite:
      return &kFileErrorSave;
    case WriteResult::EncryptionFailed:
      return &kEncryptionError;
    default:
      return nullptr;
  }
}

std::string SystemErrorText(uint32_t error) {
  switch (error) {
    case 2:
      return "The system cannot find the file specified.";
    case 3:
      return "The system cannot find the path specified.";
    case 5:
      return "Access is denied.";
    case 8:
      return "Not enough memory resources are available to process this command.";
    case 32:
      return "The process cannot access the file because it is being used by another process.";
    case 80:
      return "The file exists.";
    case 112:
      return "There is not enough space on the disk.";
    case 183:
      return "Cannot create a file when that file already exists.";
    default:
      return "System error " + std::to_string(error) + ".";
  }
}

std::string MessageLine(const MessageText& message, const std::string& argument) {
  std::string text = message.text;
  for (size_t pos; (pos = text.find("%1")) != std::string::npos;) text.replace(pos, 2, argument);
  for (char& c : text)
    if (c == '\n') c = ' ';
  for (size_t pos; (pos = text.find("  ")) != std::string::npos;) text.erase(pos, 1);
  std::string line = message.caption;
  if (!text.empty()) line += ": " + text;
  return line;
}
