// The waits of the browser code (a DDE answer, a log-in form taking its
// keys) keep the user interface alive by dispatching this thread's
// messages. How messages are dispatched belongs to the program (its
// accelerators and modeless dialogs), which the browser code must not
// include, so the program installs its pump here at start-up; until then
// messages are dispatched plainly (tests and tools).
#pragma once

#include <cstdint>

namespace browser {

class UiWait {
 public:
  virtual ~UiWait() = default;
  // Dispatches pending messages for about this long, sleeping while the
  // queue is empty; with 0, what is pending for at most 500 ms.
  virtual void PumpWait(uint32_t milliseconds) = 0;
  // Removes and dispatches one message if one is waiting; false when the
  // queue was empty.
  virtual bool DispatchOne() = 0;
};

// The installed wait (nullptr: the plain one). Not owned.
void SetUiWait(UiWait* wait);
UiWait& CurrentUiWait();

}  // namespace browser
