#include "list/blowfish.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

uint64_t Hex64(const char* text) { return std::stoull(text, nullptr, 16); }

void BigEndianBytes(uint64_t value, uint8_t* out) {
  for (int i = 7; i >= 0; --i, value >>= 8) out[i] = static_cast<uint8_t>(value);
}

// The published vectors number each half with its first byte most
// significant; this cipher reads each half little-endian, so the bytes of
// each half are reversed to meet it.
void SwapHalves(uint8_t* block) {
  std::swap(block[0], block[3]);
  std::swap(block[1], block[2]);
  std::swap(block[4], block[7]);
  std::swap(block[5], block[6]);
}

TEST(Blowfish, PublishedVectorsWithTheByteOrderConverted) {
  struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
  };
  const Vector vectors[] = {
      {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
      {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
      {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
      {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
      {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
      {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
      {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
      {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
  };
  for (size_t i = 0; i < sizeof vectors / sizeof vectors[0]; ++i) {
    SCOPED_TRACE(i);
    uint8_t key[8], block[8], expected[8];
    BigEndianBytes(Hex64(vectors[i].key), key);
    BigEndianBytes(Hex64(vectors[i].plain), block);
    BigEndianBytes(Hex64(vectors[i].cipher), expected);
    BlowfishKey bf;
    ASSERT_TRUE(bf.SetKey(key, sizeof key));

    uint64_t plain = Hex64(vectors[i].plain);
    uint32_t left = static_cast<uint32_t>(plain >> 32), right = static_cast<uint32_t>(plain);
    bf.EncipherHalves(&left, &right);
    EXPECT_EQ((uint64_t{left} << 32) | right, Hex64(vectors[i].cipher));

    SwapHalves(block);
    SwapHalves(expected);
    uint8_t original[8];
    std::copy(block, block + 8, original);
    bf.EncipherBlock(block);
    EXPECT_TRUE(std::equal(block, block + 8, expected));
    bf.DecipherBlock(block);
    EXPECT_TRUE(std::equal(block, block + 8, original));
  }
}

TEST(Blowfish, LongTextKeyAndNoKey) {
  // Schneier's variable-key vector: a 26-byte key repeated over the subkeys.
  const std::string key = "abcdefghijklmnopqrstuvwxyz";
  BlowfishKey bf;
  ASSERT_TRUE(bf.SetKey(reinterpret_cast<const uint8_t*>(key.data()), key.size()));
  uint32_t left = 0x424C4F57, right = 0x46495348;  // "BLOWFISH"
  bf.EncipherHalves(&left, &right);
  EXPECT_EQ(left, 0x324ED0FEu);
  EXPECT_EQ(right, 0xF413A203u);

  EXPECT_FALSE(bf.SetKey(nullptr, 0));
  EXPECT_FALSE(bf.HasKey());
}

}  // namespace
