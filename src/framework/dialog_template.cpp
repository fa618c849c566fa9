#include "framework/dialog_template.h"

#include <windows.h>

#include <cstring>

namespace framework {
namespace {

// Reads little-endian values from a template without trusting its length.
class TemplateReader {
 public:
  explicit TemplateReader(const std::string& bytes) : bytes_(bytes) {}
  size_t Offset() const { return pos_; }
  bool Ok() const { return ok_; }
  uint16_t Word() {
    if (pos_ + 2 > bytes_.size()) {
      ok_ = false;
      return 0;
    }
    uint16_t v;
    memcpy(&v, bytes_.data() + pos_, 2);
    pos_ += 2;
    return v;
  }
  uint32_t Dword() {
    uint32_t lo = Word();
    return lo | (static_cast<uint32_t>(Word()) << 16);
  }
  void Skip(size_t n) {
    if (pos_ + n > bytes_.size()) ok_ = false;
    else pos_ += n;
  }
  // A zero-terminated UTF-16 string.
  void SkipString() {
    while (ok_ && Word() != 0) {
    }
  }
  // The menu and class fields: nothing, an ordinal, or a string.
  void SkipStringOrOrdinal() {
    uint16_t first = Word();
    if (first == 0xFFFF) Word();
    else if (first != 0) SkipString();
  }

 private:
  const std::string& bytes_;
  size_t pos_ = 0;
  bool ok_ = true;
};

void AppendWord(std::string* out, uint16_t v) { out->append(reinterpret_cast<const char*>(&v), 2); }

}  // namespace

bool ReplaceTemplateFont(std::string* bytes, const std::string& face, int pointSize) {
  const bool extended = bytes->size() >= 4 && (*bytes)[0] == 1 && (*bytes)[1] == 0 &&
                        static_cast<unsigned char>((*bytes)[2]) == 0xFF &&
                        static_cast<unsigned char>((*bytes)[3]) == 0xFF;
  TemplateReader reader(*bytes);
  size_t styleOffset = 0;
  if (extended) {
    reader.Skip(12);  // version, signature, help id, extended style
    styleOffset = reader.Offset();
    reader.Skip(4);
  } else {
    reader.Skip(8);  // style, extended style
  }
  if (!reader.Ok()) return false;
  uint32_t style;
  memcpy(&style, bytes->data() + styleOffset, 4);
  reader.Skip(10);  // item count, x, y, cx, cy
  reader.SkipStringOrOrdinal();  // menu
  reader.SkipStringOrOrdinal();  // class
  reader.SkipString();           // title
  const size_t fontStart = reader.Offset();
  uint16_t weight = FW_NORMAL, italicCharset = DEFAULT_CHARSET << 8;
  if (style & DS_SETFONT) {
    reader.Word();  // point size
    if (extended) {
      weight = reader.Word();
      italicCharset = reader.Word();
    }
    reader.SkipString();
  }
  if (!reader.Ok()) return false;
  const size_t itemsStart = (reader.Offset() + 3) & ~size_t(3);

  std::string result = bytes->substr(0, fontStart);
  style |= DS_SETFONT;
  memcpy(&result[styleOffset], &style, 4);
  AppendWord(&result, static_cast<uint16_t>(pointSize));
  if (extended) {
    AppendWord(&result, weight);
    AppendWord(&result, italicCharset);
  }
  int n = MultiByteToWideChar(CP_ACP, 0, face.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 1), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, face.c_str(), -1, &wide[0], n);
  for (wchar_t c : wide) AppendWord(&result, static_cast<uint16_t>(c));
  while (result.size() % 4) result.push_back('\0');
  if (itemsStart < bytes->size()) result.append(*bytes, itemsStart, std::string::npos);
  *bytes = std::move(result);
  return true;
}

}  // namespace framework
