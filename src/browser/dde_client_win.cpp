#include "browser/dde_client_win.h"

#include <dde.h>

#include "browser/known_browsers.h"
#include "browser/ui_wait.h"

namespace browser {

namespace {

DdeClient* current = nullptr;

// How long one broadcast initiate may take (a hung window is skipped).
constexpr UINT kInitiateTimeoutMs = 1000;
// Before an initiate the queue is pumped, at most this long, until every
// conversation this client ended has been answered, so that what is still
// on its way from an earlier conversation is handled first. Waiting the
// whole time even when nothing is on its way cost a DDE open 100 ms per
// conversation (three to open in the frontmost window).
constexpr DWORD kPumpBeforeInitiateMs = 100;
// The longest names kept (with their terminating zero).
constexpr int kServiceBytes = 32;
constexpr int kTopicBytes = 64;
// The status word of a positive WM_DDE_ACK (DDEACK's fAck bit).
constexpr UINT_PTR kPositiveAck = 0x8000;

std::string AtomName(ATOM atom, int bytes) {
  char name[kTopicBytes] = {};
  UINT n = atom ? GlobalGetAtomNameA(atom, name, bytes) : 0;
  return std::string(name, n);
}

std::string Clip(const std::string& text, size_t bytes) { return text.substr(0, bytes - 1); }

}  // namespace

DdeClient::DdeClient(HWND client) : client_(client) {}

DdeClient::~DdeClient() {
  for (int i = 0; i < kSlotCount; ++i) Terminate(i);
  if (current == this) current = nullptr;
}

DdeClient* DdeClient::Current() { return current; }

void DdeClient::SetCurrent(DdeClient* client) { current = client; }

int DdeClient::SlotsInUse() const {
  int n = 0;
  for (const Slot& slot : slots_) n += slot.state != kFree;
  return n;
}

bool DdeClient::IsServer(HWND window) const {
  for (const Slot& slot : slots_)
    if (slot.state != kFree && slot.server == window) return true;
  return false;
}

int DdeClient::Connect(const std::string& service, const std::string& topic) {
  int index = -1;
  for (int i = 0; i < kSlotCount && index < 0; ++i)
    if (slots_[i].state == kFree) index = i;
  if (index < 0) return -1;
  ATOM serviceAtom = GlobalAddAtomA(service.c_str());
  ATOM topicAtom = GlobalAddAtomA(topic.c_str());
  Slot& slot = slots_[index];
  slot = Slot();
  slot.state = kInitiating;
  slot.service = Clip(service, kServiceBytes);
  slot.topic = Clip(topic, kTopicBytes);
  PumpUntil([this] { return !AnyEnding(); }, kPumpBeforeInitiateMs);
  DWORD_PTR answer = 0;
  // A window that pumps no messages would block a plain broadcast.
  LRESULT sent = SendMessageTimeoutA(
      HWND_BROADCAST, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(client_),
      MAKELPARAM(serviceAtom, topicAtom), SMTO_ABORTIFHUNG, kInitiateTimeoutMs, &answer);
  GlobalDeleteAtom(serviceAtom);
  GlobalDeleteAtom(topicAtom);
  if (!sent) {
    slot = Slot();
    return -1;
  }
  return index;
}

bool DdeClient::Request(int slot, const std::string& item, UINT format) {
  if (slot < 0 || slot >= kSlotCount || slots_[slot].state != kConnected) return false;
  ATOM itemAtom = GlobalAddAtomA(item.c_str());
  if (!itemAtom) return false;
  Slot& s = slots_[slot];
  // A request's lParam is not packed: the format and the atom side by side.
  if (PostMessageA(s.server, WM_DDE_REQUEST, reinterpret_cast<WPARAM>(client_),
                   MAKELPARAM(format, itemAtom)))
    s.state = kWaitingForData;
  else
    GlobalDeleteAtom(itemAtom);
  return true;
}

int DdeClient::Wait(int slot, DWORD timeoutMs, std::string* value) {
  if (slot < 0 || slot >= kSlotCount) return 0;
  PumpUntil([&] { return slots_[slot].state != kWaitingForData; }, timeoutMs);
  Slot& s = slots_[slot];
  if (s.state == kWaitingForData) {
    s.state = kConnected;
    return -1;
  }
  if (s.state == kFree) return 0;  // the server ended the conversation meanwhile
  s.state = kConnected;
  if (value) *value = s.data;
  return static_cast<int>(s.data.size());
}

bool DdeClient::AnyEnding() const {
  for (const Slot& slot : slots_)
    if (slot.state == kTerminating) return true;
  return false;
}

void DdeClient::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  UiWait& wait = CurrentUiWait();
  while (!done() && GetTickCount() - start < timeoutMs) {
    if (wait.DispatchOne()) continue;
    // A quit stays queued for the main loop and ends the wait.
    MSG quit;
    if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) break;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed < timeoutMs)
      MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
  }
}

void DdeClient::Terminate(int slot) {
  if (slot < 0 || slot >= kSlotCount) return;
  Slot& s = slots_[slot];
  if (s.state == kInitiating) {
    s = Slot();
  } else if (s.state == kConnected || s.state == kWaitingForData) {
    PostMessageA(s.server, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client_), 0);
    s.state = kTerminating;
  }
}

bool DdeClient::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  HWND sender = reinterpret_cast<HWND>(wp);
  switch (msg) {
    case WM_DDE_ACK:
      OnAck(sender, lp);
      return true;
    case WM_DDE_DATA:
      OnData(sender, lp);
      return true;
    case WM_DDE_TERMINATE:
      OnTerminate(sender);
      return true;
    default:
      return false;
  }
}

void DdeClient::OnAck(HWND sender, LPARAM lp) {
  if (IsServer(sender)) {
    // The answer to a request (or a negative one): nothing changes.
    FreeDDElParam(WM_DDE_ACK, lp);
    return;
  }
  // The answer to an initiate: the two atoms side by side, unpacked.
  ATOM serviceAtom = LOWORD(lp);
  ATOM topicAtom = HIWORD(lp);
  const std::string service = AtomName(serviceAtom, kServiceBytes);
  const std::string topic = AtomName(topicAtom, kTopicBytes);
  // The slot initiating this conversation takes its first server; later
  // answers to the same broadcast (a second server) are left unused.
  for (Slot& slot : slots_) {
    if (slot.state == kInitiating && EqualsIgnoringCase(service, slot.service.c_str()) &&
        EqualsIgnoringCase(topic, slot.topic.c_str())) {
      slot.server = sender;
      slot.state = kConnected;
      break;
    }
  }
  if (serviceAtom) GlobalDeleteAtom(serviceAtom);
  if (topicAtom) GlobalDeleteAtom(topicAtom);
}

void DdeClient::OnData(HWND sender, LPARAM lp) {
  UINT_PTR dataHandle = 0;
  UINT_PTR itemAtom = 0;
  if (!UnpackDDElParam(WM_DDE_DATA, lp, &dataHandle, &itemAtom)) return;
  // Conversations on several topics may share one server window: the
  // value belongs to the one waiting for it.
  Slot* slot = nullptr;
  for (Slot& s : slots_)
    if (s.state == kWaitingForData && s.server == sender && !slot) slot = &s;
  HGLOBAL block = reinterpret_cast<HGLOBAL>(dataHandle);
  bool ackRequested = false;
  if (block) {
    if (auto* data = static_cast<DDEDATA*>(GlobalLock(block))) {
      ackRequested = data->fAckReq;
      const bool release = data->fRelease;
      if (slot) {
        const SIZE_T size = GlobalSize(block);
        const SIZE_T header = offsetof(DDEDATA, Value);
        slot->data.assign(reinterpret_cast<const char*>(data->Value),
                          size > header ? size - header : 0);
        slot->format = static_cast<UINT>(data->cfFormat);
        slot->state = kConnected;
      }
      GlobalUnlock(block);
      if (release) GlobalFree(block);
    }
  }
  if (ackRequested) {
    LPARAM reply = ReuseDDElParam(lp, WM_DDE_DATA, WM_DDE_ACK, kPositiveAck, itemAtom);
    if (!PostMessageA(sender, WM_DDE_ACK, reinterpret_cast<WPARAM>(client_), reply)) {
      GlobalDeleteAtom(static_cast<ATOM>(itemAtom));
      FreeDDElParam(WM_DDE_ACK, reply);
    }
  } else {
    if (itemAtom) GlobalDeleteAtom(static_cast<ATOM>(itemAtom));
    FreeDDElParam(WM_DDE_DATA, lp);
  }
}

void DdeClient::OnTerminate(HWND sender) {
  for (Slot& slot : slots_) {
    if (slot.state == kFree || slot.server != sender) continue;
    if (slot.state != kTerminating)
      PostMessageA(sender, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client_), 0);
    slot = Slot();
  }
}

}  // namespace browser
