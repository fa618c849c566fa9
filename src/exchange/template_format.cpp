#include "exchange/template_format.h"

#include "exchange/html_escape.h"
#include "platform/platform.h"

namespace {

void ReplaceAll(std::string* text, std::string_view from, std::string_view to) {
  if (text->find(from) == std::string::npos) return;
  std::string out;
  out.reserve(text->size() + 16);
  size_t pos = 0;
  for (size_t hit; (hit = text->find(from, pos)) != std::string::npos; pos = hit + from.size()) {
    out.append(*text, pos, hit - pos);
    out += to;
  }
  out.append(*text, pos, std::string::npos);
  *text = std::move(out);
}

void ConvertLineBreaks(std::string* value, std::string_view option, TemplateFormat format) {
  if (option == "linebreak_space") {
    ReplaceAll(value, "\\n", " ");
  } else if (option == "linebreak_comma") {
    ReplaceAll(value, "\\n", ", ");
  } else if (option == "javascript") {
    ReplaceAll(value, "'", "\\'");
  } else if (format == TemplateFormat::kExcel) {
    ReplaceAll(value, "\\n", "\n");
  } else if (format != TemplateFormat::kOrvand) {
    ReplaceAll(value, "\\n", "\r\n");
  }
}

void EscapeForFormat(std::string* value, TemplateFormat format) {
  switch (format) {
    case TemplateFormat::kHtml:
      *value = HtmlEscape(*value, false);
      break;
    case TemplateFormat::kXml:
      *value = HtmlEscape(*value, true);
      break;
    case TemplateFormat::kExcel:
      if (value->find('"') != std::string::npos) {
        ReplaceAll(value, "\"", "\"\"");
        if ((*value)[0] != '"') *value = '"' + *value + '"';
      }
      break;
    case TemplateFormat::kCsv:
      if (value->find('"') != std::string::npos) {
        ReplaceAll(value, "\\", "\\\\");
        ReplaceAll(value, "\"", "\\\"");
        if ((*value)[0] != '"') *value = '"' + *value + '"';
      }
      break;
    case TemplateFormat::kOpera:
      ReplaceAll(value, "\n", "\x02\x02");
      break;
    case TemplateFormat::kOrvand:
    case TemplateFormat::kPlain:
      break;
  }
}

}  // namespace

TemplateOutput ParseTemplateFormat(std::string_view formatText) {
  static const struct {
    const char* word;
    TemplateFormat format;
  } kWords[] = {{"html", TemplateFormat::kHtml},   {"xml", TemplateFormat::kXml},
                {"excel", TemplateFormat::kExcel}, {"csv", TemplateFormat::kCsv},
                {"opera", TemplateFormat::kOpera}, {"orvand", TemplateFormat::kOrvand}};
  TemplateOutput output;
  for (const auto& word : kWords) {
    if (formatText.find(word.word) != std::string_view::npos) {
      output.format = word.format;
      break;
    }
  }
  output.utf8 = output.format == TemplateFormat::kOpera ||
                formatText.find("utf-8") != std::string_view::npos ||
                formatText.find("utf8") != std::string_view::npos;
  return output;
}

AnsiByteUtf8Table::AnsiByteUtf8Table() {
  for (int c = 0x80; c < 0x100; ++c) {
    std::string utf8 = platform::AnsiToUtf8(std::string(1, static_cast<char>(c)));
    // A byte the code page cannot take alone (a lead byte) gives nothing.
    if (utf8 == "?" || utf8.find('\0') != std::string::npos) utf8.clear();
    high_[c - 0x80] = utf8;
  }
}

std::string AnsiByteUtf8Table::Convert(std::string_view ansi) const {
  size_t ascii = 0;
  while (ascii < ansi.size() && static_cast<unsigned char>(ansi[ascii]) < 0x80) ++ascii;
  if (ascii == ansi.size()) return std::string(ansi);
  std::string out;
  out.reserve(ansi.size() + ansi.size() / 4);
  for (char c : ansi) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80)
      out += c;
    else
      out += high_[byte - 0x80];
  }
  return out;
}

std::string PostProcessValue(std::string value, std::string_view option, TemplateFormat format,
                             const AnsiByteUtf8Table* utf8Table) {
  ReplaceAll(&value, "<vx:prompt/>", "");
  ConvertLineBreaks(&value, option, format);
  if (!value.empty()) EscapeForFormat(&value, format);
  return utf8Table ? utf8Table->Convert(value) : value;
}
