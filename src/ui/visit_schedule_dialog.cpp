#include "ui/visit_schedule_dialog.h"

#include <commctrl.h>

#include <ctime>

#include "framework/controls.h"
#include "list/due_visit.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "view/visit_schedule.h"

namespace {

constexpr uint32_t kOneDay = 86400;

// The broken-down fields of a wall-clock time kept as if it were UTC.
std::tm WallClockFields(uint32_t wallClock) {
  std::tm fields = {};
  platform::UtcToUtcTm(wallClock, &fields);
  return fields;
}

}  // namespace

VisitScheduleDialog::VisitScheduleDialog() : Dialog(IDD_VISIT_SCHEDULE) {}

INT_PTR VisitScheduleDialog::Run(HWND parent) {
  // The month calendar's class is registered on demand.
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_DATE_CLASSES};
  InitCommonControlsEx(&classes);
  return Dialog::Run(parent);
}

bool VisitScheduleDialog::OnInit() {
  const uint32_t due = timeDueVisit ? timeDueVisit : WallClockFromTime(int64_t{now} + kOneDay);
  const std::tm fields = WallClockFields(due);
  CheckButton(IDC_SCHEDULE_ON, true);
  SYSTEMTIME date = {};
  date.wYear = static_cast<WORD>(fields.tm_year + 1900);
  date.wMonth = static_cast<WORD>(fields.tm_mon + 1);
  date.wDay = static_cast<WORD>(fields.tm_mday);
  date.wDayOfWeek = static_cast<WORD>(fields.tm_wday);
  SendMessageA(Item(IDC_SCHEDULE_DATE), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&date));
  framework::ComboBox hours(Item(IDC_SCHEDULE_HOUR));
  for (int entry = 0; entry < kScheduleHourEntries; ++entry) hours.Add(ScheduleHourText(entry));
  hours.Select(ScheduleEntryForHour(fields.tm_hour));
  framework::ComboBox units(Item(IDC_REPEAT_UNIT));
  for (int unit = 0; unit < kScheduleUnits; ++unit) units.Add(ScheduleUnitName(unit));
  const RepeatInterval repeat = ParseRepeatInterval(interval);
  CheckButton(IDC_REPEAT_ON, repeat.repeats);
  SetItemText(IDC_REPEAT_NUMBER, repeat.number);
  units.Select(repeat.unit);
  UpdateEnabling();
  return true;
}

void VisitScheduleDialog::UpdateEnabling() {
  const bool scheduled = IsChecked(IDC_SCHEDULE_ON);
  EnableItem(IDC_SCHEDULE_DATE, scheduled);
  EnableItem(IDC_SCHEDULE_HOUR, scheduled);
  const bool repeats = IsChecked(IDC_REPEAT_ON);
  EnableItem(IDC_REPEAT_NUMBER, repeats);
  EnableItem(IDC_REPEAT_UNIT, repeats);
}

bool VisitScheduleDialog::OnCommand(int id, int code, HWND control) {
  if ((id == IDC_SCHEDULE_ON || id == IDC_REPEAT_ON) && code == BN_CLICKED) {
    UpdateEnabling();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

void VisitScheduleDialog::OnOK() {
  interval = RepeatIntervalText(IsChecked(IDC_REPEAT_ON), ItemText(IDC_REPEAT_NUMBER),
                                framework::ComboBox(Item(IDC_REPEAT_UNIT)).Selection());
  if (IsChecked(IDC_SCHEDULE_ON)) {
    SYSTEMTIME date = {};
    SendMessageA(Item(IDC_SCHEDULE_DATE), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&date));
    timeDueVisit = ScheduledDueVisit(date.wYear, date.wMonth, date.wDay,
                                     framework::ComboBox(Item(IDC_SCHEDULE_HOUR)).Selection());
  } else {
    timeDueVisit = 0;
  }
  End(IDOK);
}
