#include "util/number_text.h"

std::string NumberText(long long n) {
  // Work on the unsigned magnitude so the most negative value converts too.
  unsigned long long magnitude =
      n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  char digits[24];
  int length = 0;
  do {
    digits[length++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::string text;
  if (n < 0) text += '-';
  while (length > 0) text += digits[--length];
  return text;
}
