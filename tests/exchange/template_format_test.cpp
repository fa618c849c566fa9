#include "exchange/template_format.h"

#include <gtest/gtest.h>

#include <string>

#include "exchange/html_escape.h"
#include "exchange/item_time.h"
#include "exchange/item_time_cases.h"

namespace {

TEST(TemplateFormat, FormatTextChoosesTypeAndUtf8) {
  struct Case {
    const char* text;
    TemplateFormat format;
    bool utf8;
  } cases[] = {
      {"netscape html utf-8", TemplateFormat::kHtml, true},
      {"xhtml", TemplateFormat::kHtml, false},  // "html" is tested before "xml"
      {"xml", TemplateFormat::kXml, false},
      {"excel csv", TemplateFormat::kExcel, false},
      {"csv utf8", TemplateFormat::kCsv, true},
      {"opera", TemplateFormat::kOpera, true},
      {"orvand", TemplateFormat::kOrvand, false},
      {"markdown", TemplateFormat::kPlain, false},
      {"", TemplateFormat::kPlain, false},
  };
  for (const Case& c : cases) {
    TemplateOutput output = ParseTemplateFormat(c.text);
    EXPECT_EQ(output.format, c.format) << c.text;
    EXPECT_EQ(output.utf8, c.utf8) << c.text;
  }
}

TEST(TemplateFormat, ValuePostProcessing) {
  struct Case {
    const char* value;
    const char* option;
    TemplateFormat format;
    const char* expected;
  } cases[] = {
      {"a<vx:prompt/>b", "", TemplateFormat::kPlain, "ab"},
      {"x\\ny\\nz", "linebreak_space", TemplateFormat::kPlain, "x y z"},
      {"x\\ny", "linebreak_comma", TemplateFormat::kHtml, "x, y"},
      {"x \\ny", "linebreak_space", TemplateFormat::kHtml, "x &nbsp;y"},
      {"it's\\nok", "javascript", TemplateFormat::kPlain, "it\\'s\\nok"},
      {"x\\ny", "", TemplateFormat::kCsv, "x\r\ny"},
      // Excel doubles quotes and encloses, unless the value now starts with one.
      {"say \"hi\"", "", TemplateFormat::kExcel, "\"say \"\"hi\"\"\""},
      {"\"q\" x", "", TemplateFormat::kExcel, "\"\"q\"\" x"},
      {"a, b", "", TemplateFormat::kExcel, "a, b"},
      // CSV escapes with backslashes, and only values holding a quote.
      {"a\"b\\c", "", TemplateFormat::kCsv, "\"a\\\"b\\\\c\""},
      {"a, b\\c", "", TemplateFormat::kCsv, "a, b\\c"},
      {"\"", "", TemplateFormat::kCsv, "\"\\\"\""},
      {"1\\n2", "", TemplateFormat::kOpera,
       "1\r\x02\x02"
       "2"},
      {"", "", TemplateFormat::kExcel, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PostProcessValue(c.value, c.option, c.format, nullptr), c.expected) << c.value;
  AnsiByteUtf8Table utf8;
  EXPECT_EQ(PostProcessValue("\xE9t\xE9", "", TemplateFormat::kPlain, &utf8), "\xC3\xA9t\xC3\xA9");
}

TEST(HtmlEscape, HtmlAndXmlModes) {
  struct Case {
    const char* text;
    const char* html;
    const char* xml;
  } cases[] = {
      {"a\r\nb", "a<br>b", "a\nb"},
      {"a  b   c", "a &nbsp;b &nbsp;&nbsp;c", "a  b   c"},
      {"\"&'<>", "&quot;&amp;'&lt;&gt;", "&quot;&amp;&apos;&lt;&gt;"},
      {" x", " x", " x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HtmlEscape(c.text, false), c.html) << c.text;
    EXPECT_EQ(HtmlEscape(c.text, true), c.xml) << c.text;
  }
}

TEST(ItemTime, NamedFormats) {
  EXPECT_EQ(ItemTimeFormatIndex("date_iso"), kDateIso);
  EXPECT_EQ(ItemTimeFormatIndex("time_short"), kTimeShort);
  EXPECT_EQ(ItemTimeFormatIndex("Date_Iso"), kTimeUnix);  // looked up exactly
  for (int format = kTimeUnix; format <= kTimeShort; ++format)
    EXPECT_EQ(FormatItemTime(0, format), "") << format;
  // 2020-09-13 12:26:40 UTC: the local date is the 13th or the 14th.
  const uint32_t t = 1600000000;
  EXPECT_EQ(FormatItemTime(t, kTimeUnix), "1600000000");
  std::string date = FormatItemTime(t, kDateIso);
  EXPECT_TRUE(date == "2020-09-13" || date == "2020-09-14") << date;
  std::string time = FormatItemTime(t, kTimeIso);
  EXPECT_EQ(time.size(), 16u);
  EXPECT_EQ(time.substr(0, 10), date);
  EXPECT_EQ(time[10], 'T');
}

// The long forms match what the Windows build writes (see the Wine test).
TEST(ItemTime, LongFormsMatchTheWindowsBuild) {
  for (const auto& c : itemtime::kLongForms) {
    EXPECT_EQ(FormatItemTime(c.time, kDateLong), c.dateLong);
    std::string text = FormatItemTime(c.time, kTimeLong);
    std::string prefix = c.timeLongPrefix;
    ASSERT_EQ(text.substr(0, prefix.size()), prefix) << text;
    EXPECT_TRUE(itemtime::IsLongClock(text.c_str() + prefix.size(), c.minutesSeconds)) << text;
  }
}

}  // namespace
