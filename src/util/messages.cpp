#include "util/messages.h"

#include <cstdio>
#include <vector>

#include "platform/platform.h"

namespace {

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler = nullptr;
  return handler;
}

int Show(void* owner, const std::string& text, const std::string& caption, unsigned type) {
  if (MessageBoxHandler h = Handler()) return h(owner, text, caption, type);
  return platform::ShowMessageBox(owner, text, caption, type);
}

}  // namespace

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = handler; }

void SplitMessageEntry(const std::string& entry, std::string* caption, std::string* text) {
  size_t tab = entry.find('\t');
  if (tab == std::string::npos) {
    *caption = "Message";
    *text = entry;
  } else {
    *caption = entry.substr(0, tab);
    *text = entry.substr(tab + 1);
  }
}

std::string FillMessageArgs(const std::string& text, std::initializer_list<MessageArg> args) {
  std::vector<const MessageArg*> list;
  for (const MessageArg& a : args) list.push_back(&a);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%' || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    char next = text[i + 1];
    if (next == '%') {
      out += '%';
      ++i;
      continue;
    }
    if (next < '1' || next > '9' || static_cast<size_t>(next - '1') >= list.size()) {
      out += text[i];
      continue;
    }
    out += list[static_cast<size_t>(next - '1')]->text;
    i += 1;
    // A format suffix such as "!u!" belongs to the placeholder.
    if (i + 1 < text.size() && text[i + 1] == '!') {
      size_t close = text.find('!', i + 2);
      if (close != std::string::npos) i = close;
    }
  }
  return out;
}

int MessageText(void* owner, const std::string& entry, unsigned type) {
  std::string caption, text;
  SplitMessageEntry(entry, &caption, &text);
  return Show(owner, text, caption, type);
}

std::string MessageBody(int id, std::initializer_list<MessageArg> args) {
  return FillMessageArgs(platform::StringResource(id), args);
}

int MessageFromTable(void* owner, int id, unsigned type, std::initializer_list<MessageArg> args) {
  return MessageText(owner, MessageBody(id, args), type);
}

std::string FormatSystemErrorMessage(int id, uint32_t code) {
  return MessageBody(id, {platform::SystemErrorText(code)});
}

void ShowSystemError(uint32_t code) {
  char caption[64];
  snprintf(caption, sizeof caption, "Error Message (%lu)", static_cast<unsigned long>(code));
  Show(nullptr, platform::SystemErrorText(code), caption, platform::kMbIconInformation);
}
