#include "platform/shell_link.h"

namespace platform {

bool ShellLinksAvailable() { return false; }

int ReadShellLink(const std::string&, std::string* target) {
  target->clear();
  return -1;
}

int WriteShellLink(const std::string&, const std::string&, const std::string&) { return -1; }

}  // namespace platform
