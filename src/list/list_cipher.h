// The hook through which a list's encryption reaches the list file. The
// encryption module supplies the implementation; the list file only needs
// to encipher and decipher whole lines and to compute a header's check value.
#pragma once

#include <string>
#include <string_view>

class BookmarkList;

class ListCipher {
 public:
  virtual ~ListCipher() = default;
  // Keys the cipher for whole-list lines from the list's password; false
  // when no key can be set (an empty password).
  virtual bool SetKey(const std::string& password) = 0;
  // One line of a wholly encrypted list: plain text to its stored form
  // (Base64 of the enciphered bytes) and back. False on failure.
  virtual bool EncipherLine(std::string_view plain, std::string* stored) = 0;
  virtual bool DecipherLine(std::string_view stored, std::string* plain) = 0;
  // The normal check value of password under salt, for a header written
  // while a password is known and the check value is empty.
  virtual std::string ComputeCheck(const std::string& salt, const std::string& password) = 0;
  // Called when a line failed to encipher while saving: the list's
  // encryption is reset to none (site passwords deciphered, no options).
  virtual void ResetEncryption(BookmarkList* list) = 0;
};
