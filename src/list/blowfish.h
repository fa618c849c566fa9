// The block cipher of list encryption: 16 rounds, the standard initial
// subkeys and boxes, and the standard key schedule. A block's two 32-bit
// halves are read and written as little-endian words (left = bytes 0-3,
// right = bytes 4-7); encrypted lists exchanged between copies of the
// program depend on that byte order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kBlowfishSubkeys = 18;
constexpr size_t kBlowfishBlock = 8;

extern const uint32_t kBlowfishInitialP[kBlowfishSubkeys];
extern const uint32_t kBlowfishInitialS[4][256];

class BlowfishKey {
 public:
  // Keys from the bytes repeated cyclically; false (and no key) for none.
  bool SetKey(const uint8_t* key, size_t length);
  bool HasKey() const { return keyed_; }
  // Forgets the key (the subkeys and boxes are wiped).
  void Clear();

  void EncipherHalves(uint32_t* left, uint32_t* right) const;
  void DecipherHalves(uint32_t* left, uint32_t* right) const;
  void EncipherBlock(uint8_t* block) const;  // 8 bytes in place
  void DecipherBlock(uint8_t* block) const;

 private:
  uint32_t Round(uint32_t x) const;

  std::array<uint32_t, kBlowfishSubkeys> p_{};
  std::array<std::array<uint32_t, 256>, 4> s_{};
  bool keyed_ = false;
};
