#include "cli_session.h"

#include "platform/platform.h"
#include "util/messages.h"

namespace {

std::FILE* messageOut = stdout;

// Message boxes become "message: Caption: text" lines, answered as a
// cautious user would (Cancel, No, Abort).
int PrintMessageBox(void*, const std::string& text, const std::string& caption, unsigned type) {
  std::string line = caption + ": " + text;
  for (char& c : line)
    if (c == '\n') c = ' ';
  std::fprintf(messageOut, "message: %s\n", line.c_str());
  switch (type & 0xF) {
    case platform::kMbOkCancel:
    case platform::kMbYesNoCancel:
    case platform::kMbRetryCancel:
      return platform::kIdCancel;
    case platform::kMbYesNo:
      return platform::kIdNo;
    case platform::kMbAbortRetryIgnore:
      return platform::kIdAbort;
    default:
      return platform::kIdOk;
  }
}

}  // namespace

ToolSession::ToolSession(const std::string& password, std::FILE* out)
    : user_(password), slots_(&settings_, &user_) {
  messageOut = out;
  SetMessageBoxHandler(PrintMessageBox);
}

ToolSession::~ToolSession() { SetMessageBoxHandler(nullptr); }
