// The parts of the platform layer that are the same on both sides.
#include "platform/platform.h"

namespace platform {

File::~File() { Close(); }
File::File(File&& other) noexcept : handle_(other.handle_), lastError_(other.lastError_) {
  other.handle_ = kInvalid;
}
File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    lastError_ = other.lastError_;
    other.handle_ = kInvalid;
  }
  return *this;
}

uint32_t WriteWholeFile(const char* path, const std::string& bytes) {
  File f;
  if (uint32_t e = f.Open(path, FileAccess::kCreateWrite)) return e;
  return f.Write(bytes.data(), bytes.size()) ? kErrorNone : f.LastError();
}

uint32_t ReadWholeFile(const char* path, std::string* bytes) {
  File f;
  if (uint32_t e = f.Open(path, FileAccess::kRead)) return e;
  return f.ReadAll(bytes) ? kErrorNone : f.LastError();
}

}  // namespace platform
