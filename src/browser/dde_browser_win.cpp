#include "browser/dde_browser_win.h"

#include <algorithm>
#include <cstring>

namespace browser {

namespace {

constexpr int kCaptionChars = 256;

// A conversation that ends with its scope.
class Conversation {
 public:
  Conversation(DdeClient& dde, const std::string& service, const char* topic)
      : dde_(dde), slot_(dde.Connect(service, topic)) {}
  ~Conversation() { dde_.Terminate(slot_); }
  Conversation(const Conversation&) = delete;
  Conversation& operator=(const Conversation&) = delete;
  int Slot() const { return slot_; }

 private:
  DdeClient& dde_;
  int slot_;
};

}  // namespace

bool DdeGetWindowInfo(DdeClient& dde, const std::string& service, long windowId, int slot,
                      PageInfo* page) {
  if (slot < 0) {
    Conversation own(dde, service, kTopicGetWindowInfo);
    return own.Slot() >= 0 && DdeGetWindowInfo(dde, service, windowId, own.Slot(), page);
  }
  if (!dde.Request(slot, WindowInfoItem(windowId))) return false;
  std::string value;
  if (dde.Wait(slot, kDdeWaitMs, &value) <= 0) return false;
  *page = ParseWindowInfo(value, service);
  return true;
}

std::vector<int32_t> DdeListWindows(DdeClient& dde, const std::string& service, int* slot) {
  *slot = dde.Connect(service, kTopicListWindows);
  std::string value;
  if (*slot < 0 || !dde.Request(*slot, kTopicListWindows) ||
      dde.Wait(*slot, kDdeWaitMs, &value) <= 0)
    return {};
  return ParseWindowIds(value);
}

long FindDdeWindowId(DdeClient& dde, const std::string& service, HWND window) {
  char caption[kCaptionChars] = {};
  GetWindowTextA(window, caption, sizeof caption);
  int listSlot = -1;
  std::vector<int32_t> ids = DdeListWindows(dde, service, &listSlot);
  long found = -1;
  if (!ids.empty()) {
    Conversation info(dde, service, kTopicGetWindowInfo);
    for (int32_t id : ids) {
      PageInfo page;
      if (info.Slot() < 0 || !DdeGetWindowInfo(dde, service, id, info.Slot(), &page)) continue;
      const size_t n = std::min(page.title.size(), std::strlen(caption));
      if (std::memcmp(page.title.data(), caption, n) == 0) {
        found = id;
        break;
      }
    }
  }
  dde.Terminate(listSlot);
  return found;
}

std::vector<DdePage> DdeOpenPages(DdeClient& dde, const std::string& service) {
  std::vector<DdePage> pages;
  Conversation info(dde, service, kTopicGetWindowInfo);
  int listSlot = -1;
  std::vector<int32_t> ids = DdeListWindows(dde, service, &listSlot);
  for (int32_t id : ids) {
    DdePage entry;
    entry.windowId = id;
    if (DdeGetWindowInfo(dde, service, id, info.Slot(), &entry.page) && !entry.page.title.empty())
      pages.push_back(entry);
  }
  DdePage last;
  if (ids.empty() && DdeGetWindowInfo(dde, service, -1, info.Slot(), &last.page) &&
      !last.page.title.empty())
    pages.push_back(last);
  dde.Terminate(listSlot);
  return pages;
}

}  // namespace browser
