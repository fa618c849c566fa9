// The line table: the stored text of every item, one line per item index.
// All lines live in one buffer (a loaded file's own bytes serve as the
// buffer), so loading costs no allocation per line; a changed line is
// appended and the buffer is compacted once stale text outweighs live text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class LineTable {
 public:
  size_t Count() const { return refs_.size(); }
  std::string_view Get(size_t index) const {
    const Ref& r = refs_[index];
    return std::string_view(buffer_.data() + r.offset, r.length);
  }

  // Each returns false when memory runs out (the table is then unchanged).
  bool Reserve(size_t count);
  bool Push(std::string_view text);
  bool Set(size_t index, std::string_view text);
  // Adds a line that already sits in Buffer() at [offset, offset + length).
  bool PushInBuffer(size_t offset, size_t length);

  // The raw buffer, for the loader to read a file into before PushInBuffer.
  std::string& Buffer() { return buffer_; }
  // Counts bytes of the buffer that belong to no line (e.g. the header).
  void AddStale(size_t bytes) { stale_ += bytes; }
  void Clear();
  size_t BufferBytes() const { return buffer_.size(); }
  size_t Capacity() const { return refs_.capacity(); }

 private:
  struct Ref {
    uint32_t offset;
    uint32_t length;
  };
  bool Append(std::string_view text, Ref* ref);
  bool PushRef(const Ref& ref);
  bool CompactIfWorthIt();

  std::string buffer_;
  std::vector<Ref> refs_;
  size_t stale_ = 0;
};
