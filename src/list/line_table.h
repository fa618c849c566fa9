// The line table: the stored text of every item, one line per item index.
// All lines live in one buffer (a loaded file's own bytes serve as the
// buffer), so loading costs no allocation per line; a changed line is
// appended and the buffer is compacted once stale text outweighs live text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/platform.h"

// Gives back an arena's block of the given size.
struct ArenaRelease {
  size_t bytes = 0;
  void operator()(char* block) const;
};

// A growable byte buffer that, unlike a string, leaves new room
// uninitialised: a file is read straight into it.
class ByteArena {
 public:
  const char* Data() const { return data_.get(); }
  size_t Size() const { return size_; }
  // Room for at least n more bytes at the end; false when memory runs out.
  bool Reserve(size_t n);
  // The end of the buffer, with room for n bytes (after Reserve(n)).
  char* Tail() { return data_.get() + size_; }
  void Commit(size_t n) { size_ += n; }
  bool Append(std::string_view text);
  void Clear();
  void Swap(ByteArena& other) noexcept;

 private:
  // A large block (platform.h): a file's lines are read straight into it.
  std::unique_ptr<char[], ArenaRelease> data_;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

class LineTable {
 public:
  size_t Count() const { return refs_.size(); }
  std::string_view Get(size_t index) const {
    const Ref& r = refs_[index];
    return std::string_view(buffer_.Data() + r.offset, r.length);
  }

  // Each returns false when memory runs out (the table is then unchanged).
  bool Reserve(size_t count);
  bool Push(std::string_view text);
  // Pushes a line written straight into the buffer: write(char* room) gets
  // room for bound bytes and returns the length it wrote.
  template <typename Write>
  bool PushWritten(size_t bound, Write write) {
    CompactIfWorthIt();
    size_t offset = buffer_.Size();
    if (!buffer_.Reserve(bound)) return false;
    size_t length = write(buffer_.Tail());
    buffer_.Commit(length);
    return PushRef({static_cast<uint32_t>(offset), static_cast<uint32_t>(length)});
  }
  bool Set(size_t index, std::string_view text);
  // Adds a line that already sits in Buffer() at [offset, offset + length).
  bool PushInBuffer(size_t offset, size_t length);

  // The raw buffer, for the loader to read a file into before PushInBuffer.
  ByteArena& Buffer() { return buffer_; }
  // Counts bytes of the buffer that belong to no line (e.g. the header).
  void AddStale(size_t bytes) { stale_ += bytes; }
  void Clear();
  size_t BufferBytes() const { return buffer_.Size(); }
  size_t Capacity() const { return refs_.capacity(); }

 private:
  struct Ref {
    uint32_t offset;
    uint32_t length;
  };
  bool Append(std::string_view text, Ref* ref);
  bool PushRef(const Ref& ref);
  void CompactIfWorthIt();

  ByteArena buffer_;
  platform::LargeTable<Ref> refs_;  // large for a large list (platform.h)
  size_t stale_ = 0;
};
