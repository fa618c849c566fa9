#include "list/utf16_convert.h"

#include <vector>

#include "list/list_paths.h"

namespace {

bool IsHighSurrogate(uint16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

std::string FreeAnsiCopyPath(const std::string& path) {
  for (int attempt = 0;; ++attempt) {
    std::string candidate = AnsiCopyPath(path, attempt);
    if (!platform::FileExists(candidate.c_str())) return candidate;
  }
}

uint32_t ConvertUtf16File(platform::File& source, const std::string& target) {
  platform::File out;
  if (uint32_t e = out.Open(target.c_str(), platform::FileAccess::kCreateWrite)) return e;
  uint32_t error = 0;
  if (!source.Seek(2)) error = source.LastError();
  std::vector<uint16_t> units;
  std::vector<unsigned char> bytes(kConversionPiece * 2);
  size_t carriedBytes = 0;  // an odd byte waiting for its partner
  while (error == 0) {
    // A high surrogate kept from the last piece starts this one, so that a
    // pair is never converted in halves.
    size_t kept = units.size();
    size_t want = (kConversionPiece - kept) * 2 - carriedBytes;
    long n = source.Read(bytes.data() + carriedBytes, want);
    if (n < 0) {
      error = source.LastError();
      break;
    }
    size_t have = carriedBytes + static_cast<size_t>(n);
    for (size_t i = 0; i + 1 < have; i += 2)
      units.push_back(static_cast<uint16_t>(bytes[i] | bytes[i + 1] << 8));
    carriedBytes = have % 2;
    if (carriedBytes) bytes[0] = bytes[have - 1];
    bool last = n == 0;
    size_t count = units.size();
    if (!last && count > 0 && IsHighSurrogate(units[count - 1])) --count;
    if (count > 0) {
      std::string ansi = platform::Utf16UnitsToAnsi(units.data(), count);
      if (!out.Write(ansi.data(), ansi.size())) error = out.LastError();
    }
    units.erase(units.begin(), units.begin() + static_cast<std::ptrdiff_t>(count));
    if (last) break;
  }
  if (error == 0 && !out.Flush())
    error = out.LastError() ? out.LastError() : platform::kErrorAccessDenied;
  out.Close();
  if (error != 0) platform::RemoveFile(target.c_str());
  return error;
}
