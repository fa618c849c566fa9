#include "list/blowfish.h"

#include <cstring>
#include <utility>

namespace {

uint32_t LoadLittle(const uint8_t* b) {
  return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
         static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
}

void StoreLittle(uint32_t v, uint8_t* b) {
  b[0] = static_cast<uint8_t>(v);
  b[1] = static_cast<uint8_t>(v >> 8);
  b[2] = static_cast<uint8_t>(v >> 16);
  b[3] = static_cast<uint8_t>(v >> 24);
}

}  // namespace

bool BlowfishKey::SetKey(const uint8_t* key, size_t length) {
  Clear();
  if (key == nullptr || length == 0) return false;
  std::memcpy(p_.data(), kBlowfishInitialP, sizeof kBlowfishInitialP);
  for (int box = 0; box < 4; ++box) std::memcpy(s_[box].data(), kBlowfishInitialS[box], 256 * 4);
  size_t at = 0;
  for (uint32_t& subkey : p_) {
    uint32_t data = 0;
    for (int k = 0; k < 4; ++k) {
      data = (data << 8) | key[at];  // the first byte is the most significant
      at = (at + 1) % length;
    }
    subkey ^= data;
  }
  // 521 encryptions of the all-zero block replace subkeys, then boxes.
  uint32_t left = 0, right = 0;
  for (int i = 0; i < kBlowfishSubkeys; i += 2) {
    EncipherHalves(&left, &right);
    p_[i] = left;
    p_[i + 1] = right;
  }
  for (auto& box : s_) {
    for (size_t i = 0; i < box.size(); i += 2) {
      EncipherHalves(&left, &right);
      box[i] = left;
      box[i + 1] = right;
    }
  }
  keyed_ = true;
  return true;
}

void BlowfishKey::Clear() {
  p_.fill(0);
  for (auto& box : s_) box.fill(0);
  keyed_ = false;
}

uint32_t BlowfishKey::Round(uint32_t x) const {
  return ((s_[0][x >> 24] + s_[1][(x >> 16) & 0xFF]) ^ s_[2][(x >> 8) & 0xFF]) + s_[3][x & 0xFF];
}

void BlowfishKey::EncipherHalves(uint32_t* left, uint32_t* right) const {
  uint32_t l = *left, r = *right;
  for (int i = 0; i < 16; ++i) {
    l ^= p_[i];
    r ^= Round(l);
    std::swap(l, r);
  }
  std::swap(l, r);
  r ^= p_[16];
  l ^= p_[17];
  *left = l;
  *right = r;
}

void BlowfishKey::DecipherHalves(uint32_t* left, uint32_t* right) const {
  uint32_t l = *left, r = *right;
  for (int i = 17; i > 1; --i) {
    l ^= p_[i];
    r ^= Round(l);
    std::swap(l, r);
  }
  std::swap(l, r);
  r ^= p_[1];
  l ^= p_[0];
  *left = l;
  *right = r;
}

void BlowfishKey::EncipherBlock(uint8_t* block) const {
  uint32_t l = LoadLittle(block), r = LoadLittle(block + 4);
  EncipherHalves(&l, &r);
  StoreLittle(l, block);
  StoreLittle(r, block + 4);
}

void BlowfishKey::DecipherBlock(uint8_t* block) const {
  uint32_t l = LoadLittle(block), r = LoadLittle(block + 4);
  DecipherHalves(&l, &r);
  StoreLittle(l, block);
  StoreLittle(r, block + 4);
}
