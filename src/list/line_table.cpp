#include "list/line_table.h"

#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>

#include "platform/platform.h"

namespace {
constexpr size_t kCompactAfter = 1 << 20;  // never bother below 1 MB of stale text
constexpr size_t kMaxBuffer = std::numeric_limits<uint32_t>::max();
}  // namespace

bool ByteArena::Reserve(size_t n) {
  if (n <= capacity_ - size_) return true;
  if (n > kMaxBuffer - size_) return false;
  size_t want = size_ + n;
  if (want < capacity_ + capacity_ / 2) want = capacity_ + capacity_ / 2;
  char* fresh = static_cast<char*>(platform::AllocateLarge(want));
  if (!fresh) return false;
  if (size_) std::memcpy(fresh, data_.get(), size_);
  data_ = std::unique_ptr<char[], ArenaRelease>(fresh, ArenaRelease{want});
  capacity_ = want;
  return true;
}

void ArenaRelease::operator()(char* block) const { platform::FreeLarge(block, bytes); }

bool ByteArena::Append(std::string_view text) {
  if (!Reserve(text.size())) return false;
  if (!text.empty()) std::memcpy(Tail(), text.data(), text.size());
  Commit(text.size());
  return true;
}

void ByteArena::Clear() {
  data_.reset();
  size_ = capacity_ = 0;
}

void ByteArena::Swap(ByteArena& other) noexcept {
  data_.swap(other.data_);
  std::swap(size_, other.size_);
  std::swap(capacity_, other.capacity_);
}

bool LineTable::Reserve(size_t count) {
  try {
    refs_.reserve(count);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  return true;
}

bool LineTable::Append(std::string_view text, Ref* ref) {
  // The text may point into the buffer itself (a line copied to another
  // index); take a copy before the buffer can move.
  const char* base = buffer_.Data();
  if (base && text.data() >= base && text.data() < base + buffer_.Size()) {
    std::string copy(text);
    return Append(copy, ref);
  }
  CompactIfWorthIt();
  size_t offset = buffer_.Size();
  if (!buffer_.Append(text)) return false;
  ref->offset = static_cast<uint32_t>(offset);
  ref->length = static_cast<uint32_t>(text.size());
  return true;
}

// The owner reserves ahead (BookmarkList grows its tables together), so
// this only allocates when it did not.
bool LineTable::PushRef(const Ref& ref) {
  try {
    refs_.push_back(ref);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

bool LineTable::Push(std::string_view text) {
  Ref ref;
  return Append(text, &ref) && PushRef(ref);
}

bool LineTable::Set(size_t index, std::string_view text) {
  Ref ref;
  if (!Append(text, &ref)) return false;
  stale_ += refs_[index].length;
  refs_[index] = ref;
  return true;
}

bool LineTable::PushInBuffer(size_t offset, size_t length) {
  if (offset + length > buffer_.Size()) return false;
  return PushRef(Ref{static_cast<uint32_t>(offset), static_cast<uint32_t>(length)});
}

void LineTable::CompactIfWorthIt() {
  if (stale_ < kCompactAfter || stale_ < buffer_.Size() / 2) return;
  ByteArena fresh;
  if (!fresh.Reserve(buffer_.Size() - stale_ + kCompactAfter)) return;  // go on in the old one
  for (Ref& r : refs_) {
    uint32_t offset = static_cast<uint32_t>(fresh.Size());
    fresh.Append(std::string_view(buffer_.Data() + r.offset, r.length));
    r.offset = offset;
  }
  buffer_.Swap(fresh);
  stale_ = 0;
}

void LineTable::Clear() {
  buffer_.Clear();
  refs_.clear();
  stale_ = 0;
}
