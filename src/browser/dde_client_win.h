// The program's DDE conversations with browsers, by raw DDE messages and
// global atoms: six slots on one client window (the program's hidden
// command window), which hands this layer the WM_DDE_ACK, WM_DDE_DATA and
// WM_DDE_TERMINATE messages it receives. Everything runs on the user-
// interface thread; waits dispatch its messages (ui_wait.h), so other
// windows stay alive and the program's commands may run during a wait.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

namespace browser {

class DdeClient {
 public:
  static constexpr int kSlotCount = 6;

  // client: the window that receives the servers' answers (not owned).
  explicit DdeClient(HWND client);
  ~DdeClient();
  DdeClient(const DdeClient&) = delete;
  DdeClient& operator=(const DdeClient&) = delete;

  // The client that the browser routes use (nullptr: none, DDE fails).
  static DdeClient* Current();
  static void SetCurrent(DdeClient* client);

  // Asks every top-level window for service and topic (a hung or silent
  // window costs at most 1000 ms), once the answers to conversations ended
  // earlier have come in (waiting at most 100 ms for them). The slot, or -1
  // when all six are in use or the broadcast failed; the slot is connected
  // only when a server acknowledged during the broadcast.
  int Connect(const std::string& service, const std::string& topic);
  // Posts a request for item in format. False for a slot that is not
  // connected or when the atom could not be made; true even when posting
  // failed (a following Wait then returns at once).
  bool Request(int slot, const std::string& item, UINT format = CF_TEXT);
  // Dispatches messages until the requested value arrives or timeoutMs
  // have passed: the value's length (-1 on time-out, 0 for a bad slot).
  int Wait(int slot, DWORD timeoutMs, std::string* value);
  // Ends the conversation (the slot is freed when the server answers).
  void Terminate(int slot);

  // The DDE messages sent to the client window; true when handled.
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  // Slots not free (for tests and the end of the program).
  int SlotsInUse() const;

 private:
  enum State { kFree = 0, kInitiating, kConnected, kWaitingForData, kTerminating };
  struct Slot {
    HWND server = nullptr;
    State state = kFree;
    std::string service;
    std::string topic;
    std::string data;
    UINT format = CF_TEXT;
  };

  bool IsServer(HWND window) const;
  // A conversation this client ended whose server has not yet answered.
  bool AnyEnding() const;
  // Dispatches this thread's messages until done() holds or timeoutMs
  // have passed (a queued WM_QUIT also ends it, and stays queued).
  void PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
  void OnAck(HWND sender, LPARAM lp);
  void OnData(HWND sender, LPARAM lp);
  void OnTerminate(HWND sender);

  HWND client_;
  std::array<Slot, kSlotCount> slots_;
};

}  // namespace browser
