#include "util/base64.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr size_t kGroupsPerLine = 19;  // 76 characters

// The value of one digit of the alphabet, or -1 for any other character.
int DigitValue(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

// What decoding does with a character outside the alphabet.
enum class Others { kSkip, kRefuse };

// Appends the bytes that the digits of text carry (a last digit's bits that
// make no whole byte are dropped). Returns false at the first character
// outside the alphabet when such characters are refused.
bool AppendDigits(std::string_view text, Others others, std::string* out) {
  out->reserve(out->size() + text.size() * 3 / 4);
  unsigned accumulator = 0;
  int bits = 0;
  for (const char c : text) {
    const int v = DigitValue(static_cast<unsigned char>(c));
    if (v < 0) {
      if (others == Others::kRefuse) return false;
      continue;
    }
    accumulator = (accumulator << 6) | static_cast<unsigned>(v);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out->push_back(static_cast<char>((accumulator >> bits) & 0xFF));
    }
  }
  return true;
}

}  // namespace

size_t Base64EncodedLength(size_t length, int flags) {
  const size_t groups = length / 3, rest = length % 3;
  size_t n = groups * 4;
  if (rest) n += (flags & kBase64NoPadding) ? rest + 1 : 4;
  if (!(flags & kBase64NoLineBreaks) && groups > 0) {
    // A break after every full line except a trailing one.
    size_t breaks = groups / kGroupsPerLine;
    if (groups % kGroupsPerLine == 0 && rest == 0) --breaks;
    n += 2 * breaks;
  }
  return n;
}

std::string Base64Encode(const void* bytes, size_t length, int flags) {
  const auto* in = static_cast<const unsigned char*>(bytes);
  std::string out;
  out.reserve(Base64EncodedLength(length, flags));
  size_t i = 0, groups = 0;
  for (; i + 3 <= length; i += 3) {
    const unsigned v = (in[i] << 16) | (in[i + 1] << 8) | in[i + 2];
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += kAlphabet[v & 63];
    if (++groups % kGroupsPerLine == 0 && !(flags & kBase64NoLineBreaks)) out += "\r\n";
  }
  const size_t rest = length - i;
  if (rest) {
    const unsigned v = (in[i] << 16) | (rest == 2 ? in[i + 1] << 8 : 0);
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    if (rest == 2) out += kAlphabet[(v >> 6) & 63];
    if (!(flags & kBase64NoPadding)) out.append(rest == 2 ? 1 : 2, '=');
  } else if (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0) {
    out.resize(out.size() - 2);
  }
  return out;
}

std::string Base64Decode(const char* text, size_t length) {
  std::string out;
  AppendDigits(std::string_view(text, length), Others::kSkip, &out);
  return out;
}

bool Base64DecodeStrict(std::string_view text, std::string* bytes) {
  size_t end = text.size();
  int padding = 0;
  while (end > 0 && text[end - 1] == '=' && padding < 2) {
    --end;
    ++padding;
  }
  bytes->clear();
  if (end % 4 == 1) return false;
  if (padding != 0 && (end + static_cast<size_t>(padding)) % 4 != 0) return false;
  return AppendDigits(text.substr(0, end), Others::kRefuse, bytes);
}
