#include "list/encryption.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "list/item_codec.h"
#include "list/salt.h"
#include "util/base64.h"

namespace {

constexpr size_t kCheckSaltOffset = 1;  // the salt's first character is skipped
constexpr uint64_t kCanonicalNan = 0xFFF8000000000000ull;

double LittleEndianDouble(const uint8_t* bytes) {
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[i];
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// The check value's last step: the logarithm's eight bytes in Base64. A
// NaN is written in one form whatever the runtime's log returned.
std::string EncodeLogarithm(double number) {
  double logarithm = std::log(number);
  uint64_t bits;
  std::memcpy(&bits, &logarithm, sizeof bits);
  if (std::isnan(logarithm)) bits = kCanonicalNan;
  uint8_t bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
  return Base64Encode(bytes, sizeof bytes, kBase64NoLineBreaks);
}

}  // namespace

// ---- ListEncryption -------------------------------------------------------

bool ListEncryption::SetKey(int slot, const std::string& password) {
  return keys_[slot & 1].SetKey(reinterpret_cast<const uint8_t*>(password.data()), password.size());
}

bool ListEncryption::EncipherText(std::string_view text, std::string* base64) const {
  const BlowfishKey& key = keys_[0];
  if (!key.HasKey()) return false;
  // At least one zero byte, up to a whole block of them.
  size_t padded = (text.size() / kBlowfishBlock + 1) * kBlowfishBlock;
  std::string bytes(padded, '\0');
  std::memcpy(&bytes[0], text.data(), text.size());
  for (size_t i = 0; i < padded; i += kBlowfishBlock)
    key.EncipherBlock(reinterpret_cast<uint8_t*>(&bytes[i]));
  *base64 = Base64Encode(bytes.data(), bytes.size(), kBase64NoLineBreaks);
  return true;
}

bool ListEncryption::DecipherText(std::string_view base64, int slot, std::string* text) const {
  const BlowfishKey& key = keys_[slot & 1];
  std::string bytes;
  if (!key.HasKey() || !Base64DecodeStrict(base64, &bytes)) return false;
  size_t whole = bytes.size() / kBlowfishBlock * kBlowfishBlock;
  for (size_t i = 0; i < whole; i += kBlowfishBlock)
    key.DecipherBlock(reinterpret_cast<uint8_t*>(&bytes[i]));
  bytes.resize(whole);
  size_t zero = bytes.find('\0');
  if (zero != std::string::npos) bytes.resize(zero);
  *text = std::move(bytes);
  return true;
}

bool ListEncryption::ReencipherText(std::string_view base64, std::string* out) const {
  std::string plain;
  return DecipherText(base64, 1, &plain) && EncipherText(plain, out);
}

std::string ListEncryption::ComputeCheck(const std::string& salt, const std::string& password) {
  return ::ComputeCheck(salt, password, false);
}

void ListEncryption::ResetEncryption(BookmarkList* list) { SetEncryption(*list, 0, ""); }

ListEncryption& EncryptionOf(BookmarkList& list) {
  auto* existing = dynamic_cast<ListEncryption*>(list.cipher.get());
  if (existing) return *existing;
  auto created = std::make_unique<ListEncryption>();
  ListEncryption& result = *created;
  list.cipher = std::move(created);
  return result;
}

// ---- Check value and password -----------------------------------------------

std::string ComputeCheck(const std::string& salt, const std::string& password, bool legacy) {
  uint8_t block[8] = {};
  for (size_t i = 0; i < 8 && kCheckSaltOffset + i < salt.size(); ++i)
    block[i] = static_cast<uint8_t>(salt[kCheckSaltOffset + i]);
  BlowfishKey key;
  if (key.SetKey(reinterpret_cast<const uint8_t*>(password.data()), password.size()))
    key.EncipherBlock(block);
  double number;
  if (legacy) {
    uint32_t bits = static_cast<uint32_t>(block[0]) | static_cast<uint32_t>(block[1]) << 8 |
                    static_cast<uint32_t>(block[2]) << 16 | static_cast<uint32_t>(block[3]) << 24;
    number = static_cast<double>(static_cast<int32_t>(bits));
  } else {
    number = LittleEndianDouble(block);
    if (!(number > 0)) number = -number;
  }
  key.Clear();
  return EncodeLogarithm(number);
}

bool CheckPassword(BookmarkList& list, const std::string& password, bool strict) {
  bool accepted;
  if (!list.checkValue.empty()) {
    accepted = list.checkValue == ComputeCheck(list.salt, password, false);
    if (!accepted && list.checkValue == ComputeCheck(list.salt, password, true)) {
      accepted = true;
      list.checkValue.clear();  // the next save writes the normal form
    }
  } else {
    accepted = !strict;
  }
  if (!accepted) return false;
  list.password = password;
  EncryptionOf(list).SetKey(0, password);
  list.keyState = 2;
  return true;
}

// ---- Changing the encryption ------------------------------------------------

void SetEncryption(BookmarkList& list, uint32_t options, const std::string& password) {
  ListEncryption& enc = EncryptionOf(list);
  uint32_t old = list.encryptionOptions;
  bool changed = password != list.password;
  bool decipher = (old & kEncryptSitePasswords) && (!(options & kEncryptSitePasswords) || changed);
  bool encipher = (options & kEncryptSitePasswords) && (!(old & kEncryptSitePasswords) || changed);
  if (decipher) enc.CopyKeyToSlot1();
  if (options != 0) enc.SetKey(0, password);
  if (decipher || encipher) {
    // Pending edits first, so the cached record cannot write an old
    // password back over the converted one.
    list.EncodeCurrentIfChanged();
    BookmarkItem record;
    std::string converted;
    for (uint16_t i = list.Next(kRootIndex, false); i != kRootIndex; i = list.Next(i, false)) {
      if (list.IsAlias(i)) continue;
      list.DecodeInto(i, false, &record);
      if (record.password.empty()) continue;
      bool ok = decipher && encipher ? enc.ReencipherText(record.password, &converted)
                : decipher           ? enc.DecipherText(record.password, 1, &converted)
                                     : enc.EncipherText(record.password, &converted);
      if (!ok) continue;  // a field that fails stays as it was
      record.password = converted;
      list.Encode(record);
    }
    enc.ClearKey(1);
  }
  bool strengthened = options != 0 && (old == 0 || changed || (options & ~old) != 0);
  if (strengthened) {
    enc.backupsNeedRewrite = true;
    if (!list.password.empty()) enc.earlierPasswords.push_back(list.password);
  }
  list.encryptionOptions = options;
  list.keyState = static_cast<int>(options & kEncryptSitePasswords);
  list.password = password;
  // A check value made before the salt exists would never match it.
  if (list.salt.empty()) list.salt = NewSalt();
  list.checkValue = ComputeCheck(list.salt, password, false);
  list.modified = true;
}

std::string GetSitePassword(BookmarkList& list, const BookmarkItem& record) {
  if (!(list.encryptionOptions & kEncryptSitePasswords) || list.keyState != 2)
    return record.password;
  std::string plain;
  if (!EncryptionOf(list).DecipherText(record.password, 0, &plain)) return std::string();
  return plain;
}

bool SetSitePassword(BookmarkList& list, BookmarkItem& record, const std::string& text) {
  std::string stored = TrimText(text);
  if ((list.encryptionOptions & kEncryptSitePasswords) && !stored.empty()) {
    std::string sealed;
    if (!EncryptionOf(list).EncipherText(stored, &sealed)) return false;
    stored = sealed;
  }
  record.password = stored;
  if (!record.login.empty() || !record.password.empty())
    record.flags |= kFlagHasLogin;
  else
    record.flags &= static_cast<uint16_t>(~kFlagHasLogin);
  record.changed = 1;
  return true;
}
