#include "list/list_result.h"

const char* ResultName(ListResult result) {
  switch (result) {
    case ListResult::ReadWrite:
      return "ReadWrite";
    case ListResult::ReadOnly:
      return "ReadOnly";
    case ListResult::NeedsRepair:
      return "NeedsRepair";
    case ListResult::Full:
      return "Full";
    case ListResult::Utf16:
      return "Utf16";
    case ListResult::EncryptedUtf16:
      return "EncryptedUtf16";
    case ListResult::OtherVersion:
      return "OtherVersion";
    case ListResult::NotFound:
      return "NotFound";
    case ListResult::CannotOpen:
      return "CannotOpen";
    case ListResult::OutOfMemory:
      return "OutOfMemory";
    case ListResult::NotAListFile:
      return "NotAListFile";
    case ListResult::DamagedHeader:
      return "DamagedHeader";
    case ListResult::Damaged:
      return "Damaged";
  }
  return "Unknown";
}

const char* ResultName(WriteResult result) {
  switch (result) {
    case WriteResult::Ok:
      return "Ok";
    case WriteResult::CannotWrite:
      return "CannotWrite";
    case WriteResult::EncryptionFailed:
      return "EncryptionFailed";
  }
  return "Unknown";
}

const char* ResultName(CreateResult result) {
  switch (result) {
    case CreateResult::Ok:
      return "Ok";
    case CreateResult::Exists:
      return "Exists";
    case CreateResult::CannotCreate:
      return "CannotCreate";
  }
  return "Unknown";
}
