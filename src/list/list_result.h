// Result codes of reading, writing and creating list files. Zero is
// success, negative values are failures, positive values special successes.
#pragma once

// ReadHeader and LoadLines.
enum class ListResult : int {
  ReadWrite = 0,       // opened for reading and writing / loaded
  ReadOnly = 1,        // opened for reading only
  NeedsRepair = 2,     // loaded; the outline is damaged and needs the repair
  Full = 3,            // loaded up to the item limit
  Utf16 = 4,           // a UTF-16 file without encryption options: convert it
  EncryptedUtf16 = 5,  // a UTF-16 file with encryption options: not converted
  OtherVersion = 6,    // a list file of another format version: nothing loaded
  NotFound = -1,       // the file does not exist
  CannotOpen = -3,     // any other open failure (lastError holds the system error)
  OutOfMemory = -4,    // a table failed to grow
  NotAListFile = -5,   // the magic is missing
  DamagedHeader = -6,  // the header line cannot be read
  Damaged = -7,        // a line of a wholly encrypted list did not decrypt
};

// WriteHeader and WriteList.
enum class WriteResult : int {
  Ok = 0,
  CannotWrite = -3,        // lastError holds the system error
  EncryptionFailed = -12,  // a line could not be enciphered
};

// CreateListFile.
enum class CreateResult : int {
  Ok = 0,
  Exists = -2,
  CannotCreate = -3,
};

// The result's name as written in code and printed by tools ("ReadWrite").
const char* ResultName(ListResult result);
const char* ResultName(WriteResult result);
const char* ResultName(CreateResult result);

// True for the results after which the lines are (or can be) loaded.
inline bool HeaderAllowsLoading(ListResult result) {
  return result == ListResult::ReadWrite || result == ListResult::ReadOnly;
}
