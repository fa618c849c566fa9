#include "util/base64.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Encode(const std::string& s, int flags) {
  return Base64Encode(s.data(), s.size(), flags);
}
std::string Decode(const std::string& s) { return Base64Decode(s.data(), s.size()); }

}  // namespace

TEST(Base64, EncodesTheRfc4648Vectors) {
  struct Case {
    const char* in;
    const char* padded;
    const char* unpadded;
  } cases[] = {
      {"", "", ""},
      {"f", "Zg==", "Zg"},
      {"fo", "Zm8=", "Zm8"},
      {"foo", "Zm9v", "Zm9v"},
      {"foob", "Zm9vYg==", "Zm9vYg"},
      {"fooba", "Zm9vYmE=", "Zm9vYmE"},
      {"foobar", "Zm9vYmFy", "Zm9vYmFy"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Encode(c.in, 0), c.padded) << c.in;
    EXPECT_EQ(Encode(c.in, kBase64NoPadding), c.unpadded) << c.in;
    EXPECT_EQ(Decode(c.padded), c.in) << c.in;
    EXPECT_EQ(Decode(c.unpadded), c.in) << c.in;
  }
}

TEST(Base64, BreaksLinesAfter76CharactersButNotAtTheEnd) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  for (size_t length : {56u, 57u, 58u, 114u, 115u, 200u, 256u}) {
    std::string in = bytes.substr(0, length);
    std::string broken = Encode(in, 0);
    std::string flat = Encode(in, kBase64NoLineBreaks);
    EXPECT_EQ(broken.size(), Base64EncodedLength(length, 0)) << length;
    EXPECT_EQ(flat.size(), Base64EncodedLength(length, kBase64NoLineBreaks)) << length;
    EXPECT_EQ(flat.find('\r'), std::string::npos);
    EXPECT_NE(broken.substr(broken.size() >= 2 ? broken.size() - 2 : 0), "\r\n") << length;
    // Every line but the last holds exactly 76 characters.
    size_t start = 0, end;
    while ((end = broken.find("\r\n", start)) != std::string::npos) {
      EXPECT_EQ(end - start, 76u) << length;
      start = end + 2;
    }
    EXPECT_LE(broken.size() - start, 76u);
    EXPECT_EQ(Decode(broken), in) << length;
    EXPECT_EQ(Decode(flat), in) << length;
  }
}

TEST(Base64, DecodingSkipsEverythingOutsideTheAlphabet) {
  EXPECT_EQ(Decode("Zm9v\r\nYm Fy"), "foobar");
  EXPECT_EQ(Decode("=Z=m=8="), "fo");
  EXPECT_EQ(Decode("Z"), "");  // one character holds less than a byte
  EXPECT_EQ(Decode("!!!"), "");
}

TEST(Base64, StrictDecodingAcceptsOnlyWhatTheEncoderWrites) {
  const struct {
    const char* text;
    bool accepted;
    const char* bytes;
  } cases[] = {
      {"", true, ""},           {"Zm9vYmFy", true, "foobar"}, {"Zm9vYg==", true, "foob"},
      {"Zm9vYg", true, "foob"}, {"Zm8=", true, "fo"},         {"Zm9vY", false, ""},
      {"Zm9vYg=", false, ""},   {"Zm8==", false, ""},         {"Zg===", false, ""},
      {"Zm=8", false, ""},      {"Zm9v\r\nYmFy", false, ""},  {"Zm9 v", false, ""},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    SCOPED_TRACE(i);
    std::string bytes = "left over";
    EXPECT_EQ(Base64DecodeStrict(cases[i].text, &bytes), cases[i].accepted);
    if (cases[i].accepted) {
      EXPECT_EQ(bytes, cases[i].bytes);
    }
  }
}

TEST(Base64, LengthMatchesEncodingForEveryFlagAndSize) {
  std::string in(500, '\xA7');
  for (int flags = 0; flags < 4; ++flags)
    for (size_t n = 0; n <= in.size(); ++n)
      ASSERT_EQ(Encode(in.substr(0, n), flags).size(), Base64EncodedLength(n, flags))
          << n << " " << flags;
}
