// Passwords and list encryption: the cipher context of a list with its two
// key slots, the text form of enciphered passwords and lines (zero padding
// to whole blocks, electronic code book, Base64 without line breaks), the
// password check value, and changing a list's encryption.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list/blowfish.h"
#include "list/bookmark_list.h"
#include "list/list_cipher.h"

// encryptionOptions bits.
constexpr uint32_t kEncryptSitePasswords = 1;
constexpr uint32_t kEncryptWholeList = 2;

// Slot 0 holds the key of the current password; slot 1 the previous one
// while passwords are re-enciphered.
class ListEncryption : public ListCipher {
 public:
  // Keys a slot from the password's bytes; false (slot left empty) when
  // the password is empty.
  bool SetKey(int slot, const std::string& password);
  void ClearKey(int slot) { keys_[slot & 1].Clear(); }
  bool HasKey(int slot) const { return keys_[slot & 1].HasKey(); }
  // Moves the key of slot 0 to slot 1 (slot 0 keeps it too).
  void CopyKeyToSlot1() { keys_[1] = keys_[0]; }

  // With slot 0. False when the slot has no key.
  bool EncipherText(std::string_view text, std::string* base64) const;
  // False when the slot has no key or the text is not Base64.
  bool DecipherText(std::string_view base64, int slot, std::string* text) const;
  // Deciphers with slot 1 and enciphers with slot 0.
  bool ReencipherText(std::string_view base64, std::string* out) const;

  // ListCipher: whole-list lines use slot 0.
  bool SetKey(const std::string& password) override { return SetKey(0, password); }
  bool EncipherLine(std::string_view plain, std::string* stored) override {
    return EncipherText(plain, stored);
  }
  bool DecipherLine(std::string_view stored, std::string* plain) override {
    return DecipherText(stored, 0, plain);
  }
  std::string ComputeCheck(const std::string& salt, const std::string& password) override;
  void ResetEncryption(BookmarkList* list) override;

  // Set when encryption was switched on or its password changed: the next
  // save also re-encrypts the automatic backups beside the list. The
  // passwords the list had before are kept for reading those backups.
  bool backupsNeedRewrite = false;
  std::vector<std::string> earlierPasswords;

 private:
  BlowfishKey keys_[2];
};

// The list's cipher context, attached on first use.
ListEncryption& EncryptionOf(BookmarkList& list);

// The 12-character Base64 check value of password under salt; legacy is
// the older form (from the first four enciphered bytes as an integer).
std::string ComputeCheck(const std::string& salt, const std::string& password, bool legacy);

// True when password is the list's password. An empty check value accepts
// any password unless strict. A legacy check value is accepted and cleared,
// so that the next save writes the normal form. On acceptance the list
// keeps the password, slot 0 is keyed with it and keyState becomes 2.
bool CheckPassword(BookmarkList& list, const std::string& password, bool strict);

// Applies new options and password: site passwords are deciphered,
// enciphered or re-enciphered as the change requires (aliases share their
// target's and are skipped), and the check value is recomputed. Whole-list
// encryption takes effect at the next write. The list becomes modified.
void SetEncryption(BookmarkList& list, uint32_t options, const std::string& password);

// The password of record for showing, copying or sending: deciphered when
// site passwords are encrypted and the password has been given (empty when
// deciphering fails), otherwise as stored.
std::string GetSitePassword(BookmarkList& list, const BookmarkItem& record);
// Stores text (trimmed) as record's password, enciphered when site
// passwords are encrypted. False, leaving the record alone, when it must be
// enciphered and no key has been given yet.
bool SetSitePassword(BookmarkList& list, BookmarkItem& record, const std::string& text);
