#include "list/line_table.h"

#include <limits>
#include <new>
#include <stdexcept>

namespace {
constexpr size_t kCompactAfter = 1 << 20;  // never bother below 1 MB of stale text
constexpr size_t kMaxBuffer = std::numeric_limits<uint32_t>::max();
}  // namespace

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
  const char* base = buffer_.data();
  if (text.data() >= base && text.data() < base + buffer_.size()) {
    std::string copy(text);
    return Append(copy, ref);
  }
  if (!CompactIfWorthIt()) return false;
  if (buffer_.size() + text.size() > kMaxBuffer) return false;
  try {
    ref->offset = static_cast<uint32_t>(buffer_.size());
    ref->length = static_cast<uint32_t>(text.size());
    buffer_.append(text.data(), text.size());
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

bool LineTable::Push(std::string_view text) {
  Ref ref;
  if (!Append(text, &ref)) return false;
  return PushRef(ref);
}

bool LineTable::Set(size_t index, std::string_view text) {
  Ref ref;
  if (!Append(text, &ref)) return false;
  stale_ += refs_[index].length;
  refs_[index] = ref;
  return true;
}

bool LineTable::PushInBuffer(size_t offset, size_t length) {
  if (offset + length > buffer_.size() || offset + length > kMaxBuffer) return false;
  return PushRef(Ref{static_cast<uint32_t>(offset), static_cast<uint32_t>(length)});
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

bool LineTable::CompactIfWorthIt() {
  if (stale_ < kCompactAfter || stale_ < buffer_.size() / 2) return true;
  std::string fresh;
  try {
    fresh.reserve(buffer_.size() - stale_ + kCompactAfter);
  } catch (const std::bad_alloc&) {
    return true;  // keep going in the old buffer
  }
  for (Ref& r : refs_) {
    uint32_t offset = static_cast<uint32_t>(fresh.size());
    fresh.append(buffer_, r.offset, r.length);
    r.offset = offset;
  }
  buffer_.swap(fresh);
  stale_ = 0;
  return true;
}

void LineTable::Clear() {
  buffer_.clear();
  buffer_.shrink_to_fit();
  refs_.clear();
  stale_ = 0;
}
