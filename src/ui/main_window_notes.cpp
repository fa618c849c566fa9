// The main window's side of the notes window: making it, showing it, the
// keys and commands that reach it, and the visit schedule dialog.
#include <string>

#include "list/bookmark_list.h"
#include "resources/resource.h"
#include "ui/command_table.h"
#include "ui/main_window.h"
#include "ui/notes_window.h"
#include "ui/visit_schedule_dialog.h"
#include "view/notes_docking.h"

namespace {

// The bookmark selected in the bookmark column (not a separator), or 0.
uint16_t SelectedBookmarkOf(BookmarkList* list) {
  if (!list) return 0;
  uint16_t item = list->columns[kLevelBookmark].SelectedItem();
  return item && list->TestFlags(item, kFlagBookmark) && !list->TestFlags(item, kFlagSeparator)
             ? item
             : 0;
}

int FieldOfCommand(int id) {
  switch (id) {
    case ID_CMD_FOCUS_NOTE_TEXT:
      return IDC_NOTE_TEXT;
    case ID_CMD_FOCUS_LOGIN:
      return IDC_LOGIN;
    case ID_CMD_FOCUS_PASSWORD:
      return IDC_PASSWORD;
    case ID_CMD_FOCUS_RATING:
      return IDC_RATING;
    default:
      return IDC_KEYWORDS;
  }
}

}  // namespace

void MainWindow::CreateNotesWindow() {
  auto created = std::make_unique<NotesWindow>(*this);
  if (created->Create(hwnd_)) notes_ = std::move(created);
}

void MainWindow::DestroyNotesWindow() {
  if (!notes_) return;
  notes_->StoreRect();
  notes_.reset();
}

HWND MainWindow::NotesWindowHandle() const { return notes_ ? notes_->Handle() : nullptr; }

void MainWindow::RefreshNotesWindow() {
  if (notes_) notes_->Refresh(settings_.HasBehaviour(kBehaviourAutoHideNotes));
}

void MainWindow::ShowNotesWindow(bool show) {
  if (!notes_) return;
  if (show)
    RefreshNotesWindow();
  else
    notes_->ShowQuietly(false);
}

void MainWindow::ToggleNotesWindow() {
  if (!notes_) return;
  settings_.ToggleWindowFlag(Family(), kWindowNotesOpen);
  // Opened by hand it shows whatever the bookmark holds; auto-hide takes
  // over again at the next change of selection.
  if (settings_.HasWindowFlag(Family(), kWindowNotesOpen))
    notes_->Refresh(false);
  else
    notes_->ShowQuietly(false);
}

void MainWindow::RedockNotesWindow() {
  if (notes_ && notes_->IsVisible()) notes_->Dock();
}

void MainWindow::NotesEdited() {
  // The ¹ and ª after the title follow the note, log-in and password.
  RedrawMarks();
}

bool MainWindow::CommandAllowed(int id) const {
  const CommandRow* row = FindCommand(id);
  return row && CommandEnabled(*row, *this);
}

void MainWindow::OnToggleNotes(int /*id*/) { ToggleNotesWindow(); }

void MainWindow::OnEditNote(int /*id*/) {
  if (!notes_) return;
  if (GetForegroundWindow() == notes_->Handle()) {
    SetForegroundWindow(hwnd_);
    return;
  }
  if (!settings_.HasWindowFlag(Family(), kWindowNotesOpen)) ToggleNotesWindow();
  notes_->ShowQuietly(true);
  notes_->FocusField(IDC_NOTE_TEXT);
}

void MainWindow::OnInsertDate(int /*id*/) {
  if (notes_) notes_->InsertDateIfNoteFocused();
}

void MainWindow::OnFocusNotesField(int id) {
  if (!notes_) return;
  if (!settings_.HasWindowFlag(Family(), kWindowNotesOpen)) ToggleNotesWindow();
  notes_->ShowQuietly(true);
  notes_->FocusField(FieldOfCommand(id));
}

void MainWindow::OnNotesOption(int id) {
  if (id == ID_CMD_AUTO_HIDE_NOTES) {
    settings_.ToggleBehaviour(kBehaviourAutoHideNotes);
    RefreshNotesWindow();
    return;
  }
  settings_.SetDockMode(id - ID_CMD_DOCK_OFF);
  if (notes_ && settings_.DockMode() != kDockOff) notes_->Dock();
}

void MainWindow::OnScheduleVisit(int /*id*/) {
  BookmarkList* list = List();
  const uint16_t item = SelectedBookmarkOf(list);
  if (!item || list->readOnly) return;
  BookmarkItem record;
  list->DecodeInto(item, true, &record);
  VisitScheduleDialog dialog;
  dialog.timeDueVisit = record.timeDueVisit;
  dialog.interval = record.dueVisitInterval;
  dialog.now = list->Now();
  if (dialog.Run(hwnd_) != IDOK) return;
  // The dialog ran modally: the selection may have gone meanwhile.
  if (List() != list || SelectedBookmarkOf(list) != item) return;
  list->DecodeInto(item, true, &record);
  record.timeDueVisit = dialog.timeDueVisit;
  record.dueVisitInterval = dialog.interval;
  record.timeModified = list->Now();
  if (list->Encode(record) != 0) return;
  // The "Due to visit" SmartFolder takes it at the next idle scan.
  list->nextDueScan = 0;
  AfterEdit();
}
