// The program's wait for the browser code: the framework's message-pumping
// wait, so that accelerators and modeless dialogs keep working while a
// browser answers.
#pragma once

#include "browser/ui_wait.h"

class ProgramUiWait : public browser::UiWait {
 public:
  void PumpWait(uint32_t milliseconds) override;
  bool DispatchOne() override;
};
