#include "list/salt.h"

#include "platform/platform.h"

namespace {

constexpr char kAlphabet[] = "23456789ABCDEFGHIJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz";
static_assert(sizeof kAlphabet - 1 == 58, "58 characters");

// The C runtime's linear congruential generator, so that a salt does not
// depend on which runtime the program was built with.
class RuntimeRandom {
 public:
  explicit RuntimeRandom(uint32_t seed) : state_(seed) {}
  uint32_t Next() {
    state_ = state_ * 214013u + 2531011u;
    return (state_ >> 16) & 0x7FFF;
  }

 private:
  uint32_t state_;
};

}  // namespace

std::string GenerateSalt(uint32_t seed) {
  RuntimeRandom random(seed);
  random.Next();
  std::string salt(kSaltLength, ' ');
  for (int i = kSaltLength - 1; i >= 0; --i) salt[i] = kAlphabet[((random.Next() & 63) * 57) / 63];
  return salt;
}

std::string NewSalt() {
  // The clock alone repeats within a second; two lists created together
  // must still get different salts, so a running count is mixed in.
  static uint32_t sequence = 0;
  ++sequence;
  return GenerateSalt(platform::Now() ^ (platform::TickCount() << 12) ^ (sequence * 2654435761u));
}
