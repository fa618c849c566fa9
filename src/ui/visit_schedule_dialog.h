// "Site Visit Schedule" (519): when to visit a bookmark next, and how
// often again. A modal dialog on the bookmark's two stored fields.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/dialog.h"

class VisitScheduleDialog : public framework::Dialog {
 public:
  VisitScheduleDialog();

  // In and out: TimeDueVisit (local wall clock as if UTC; 0 = none) and
  // DueVisitInterval. now proposes tomorrow when nothing is scheduled.
  uint32_t timeDueVisit = 0;
  std::string interval;
  uint32_t now = 0;

  // IDOK when "&Set" stored the choice into the fields.
  INT_PTR Run(HWND parent);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void UpdateEnabling();
};
