// The output formats of template export and the treatment of a field's
// value before it is written: line breaks, escaping for the format, and
// the optional UTF-8 conversion of values.
#pragma once

#include <array>
#include <string>
#include <string_view>

enum class TemplateFormat : int { kPlain, kHtml, kXml, kExcel, kCsv, kOpera, kOrvand };

struct TemplateOutput {
  TemplateFormat format = TemplateFormat::kPlain;
  bool utf8 = false;  // values (never literal text) are written as UTF-8
};

// From a template's format text by substring tests, first hit winning:
// "html", "xml", "excel", "csv", "opera" (which forces UTF-8), "orvand";
// otherwise plain. "utf-8" or "utf8" anywhere sets the UTF-8 flag.
TemplateOutput ParseTemplateFormat(std::string_view formatText);

// Each ANSI byte from 0x80 up converted alone to UTF-8; empty where the
// byte does not convert (it is then dropped).
class AnsiByteUtf8Table {
 public:
  AnsiByteUtf8Table();
  // Bytes below 0x80 are copied; the others take their table entry.
  std::string Convert(std::string_view ansi) const;

 private:
  std::array<std::string, 128> high_;
};

// Prepares one field's value for writing: removes "<vx:prompt/>", turns
// the escaped line breaks (backslash, "n") as the tag's format option asks
// ("linebreak_space", "linebreak_comma", "javascript", or the format's own
// line break), escapes for the output format, and converts to UTF-8 when
// utf8Table is given.
std::string PostProcessValue(std::string value, std::string_view option, TemplateFormat format,
                             const AnsiByteUtf8Table* utf8Table);
