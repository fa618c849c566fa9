// The main window's OLE drop target: links, Internet shortcuts, shell
// links and files dropped from browsers and Explorer become a new
// bookmark. The drop only reads the data and posts the command that starts
// the bookmark, so that the dragging program is never held up by what the
// window does then (a mode switch, a save prompt).
#pragma once

#include <ole2.h>
#include <windows.h>

#include "exchange/dropped_link.h"

class LinkDropTarget;
class MainWindow;

// Registers a drop target on the main window for the window's life.
class LinkDropRegistration {
 public:
  LinkDropRegistration() = default;
  ~LinkDropRegistration() { Revoke(); }
  LinkDropRegistration(const LinkDropRegistration&) = delete;
  LinkDropRegistration& operator=(const LinkDropRegistration&) = delete;

  // False when OLE refuses (the window then takes no drops).
  bool Register(MainWindow* window);
  void Revoke();

 private:
  HWND hwnd_ = nullptr;
  // Kept so that a drag still holding the target after the window went
  // finds it detached from the window.
  LinkDropTarget* target_ = nullptr;
};

// The last drop, kept until a window starts the new bookmark with it (a
// drop on Compact mode is handed to the Organize window built after it).
// shift: Shift was held, so the address replaces the selected bookmark's.
void KeepDroppedLink(const DroppedLink& link, bool shift);
// The kept drop, which is then forgotten; false when there is none.
bool TakeDroppedLink(DroppedLink* link, bool* shift);

// While a bookmark is dragged out of the window the window does not take
// it back as a drop of its own.
void SetDraggingOut(bool dragging);

// The formats of a data object as a drop offers them.
DropOffer ReadDropOffer(IDataObject* data);
