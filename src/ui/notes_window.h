// The notes window (534): a tool window beside the main window that shows
// and edits what the columns do not show of the selected bookmark (note,
// log-in, password, site status, rating on page 535 "Notes && login";
// keywords, browser and the visit times on page 536 "Tags etc."). Every
// edit goes into the bookmark at once. The main window makes it hidden
// with itself and destroys it (its rectangle stored) before itself; the
// main window's RefreshNotesWindow, ToggleNotesWindow and the notes
// commands reach it.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/dialog.h"
#include "framework/scoped_handle.h"
#include "resources/resource.h"

class BookmarkList;
struct BookmarkItem;
class MainWindow;
class NotesWindow;

// One tab page: a child dialog whose commands and right-clicks go to the
// notes window.
class NotesPage : public framework::Dialog {
 public:
  NotesPage(int templateId, NotesWindow& owner) : Dialog(templateId), owner_(owner) {}
  // The page's size as its template made it (the layout's starting point).
  SIZE templateClient = {0, 0};
  SIZE client = {0, 0};

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override {}
  void OnCancel() override;
  void OnSize(int type, int width, int height) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) override;

 private:
  NotesWindow& owner_;
};

class NotesWindow : public framework::Dialog {
 public:
  explicit NotesWindow(MainWindow& owner);
  ~NotesWindow() override;

  // Decides visibility (with autoHide, only a bookmark with a note, a
  // log-in or a password shows it) and fills the fields.
  void Refresh(bool autoHide);
  // Shown without taking the activation, or hidden; the open mark is the
  // caller's.
  void ShowQuietly(bool show);
  // Against the main window as the dock mode says (nothing when off).
  void Dock();
  // The rectangle back into the settings, for the window's family.
  void StoreRect();
  // Alt+N, Alt+L, Alt+P, Alt+R, Alt+K: the page of control id in front and
  // the focus in it.
  void FocusField(int id);
  // Ctrl+D: today's date typed at the caret of the note box; false when
  // the note box does not have the focus.
  bool InsertDateIfNoteFocused();
  // The control with id on either page, or null.
  HWND Field(int id) const;

  // From the pages.
  bool OnPageCommand(int id, int code, HWND control);
  bool OnPageContextMenu(HWND clicked, POINT screen);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override {}
  void OnCancel() override;
  LRESULT OnNotify(NMHDR* header) override;
  bool OnDrawItem(DRAWITEMSTRUCT* item) override;
  void OnSize(int type, int width, int height) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) override;

 private:
  HWND Tabs() const { return Item(IDC_NOTES_TABS); }
  void CreatePages();
  void ShowPage(int page);
  void PlacePages();
  void AddToolTips();
  void SetTip(int id, const std::string& text);
  // The bookmark shown (0: none) and its list.
  uint16_t SelectedBookmark() const;
  void Fill();
  void FillBookmark(BookmarkList& list, const BookmarkItem& record);
  void ClearFields();
  void FillDate(int id, uint32_t time);
  void ShowPasswordBox(bool plain);
  void UpdateLockButton(const BookmarkList& list);
  // Writes what control id now holds into the shown bookmark.
  void StoreField(int id);
  void OnLockButton();
  void ShowSiteStatusMenu(POINT screen);
  void ShowLoginMenu(POINT screen);
  void ShowLastVisitMenu(POINT screen);
  void ShowWindowMenu(POINT screen);
  // The note box's Ctrl+D (the notes window is outside the main window's
  // keys for it).
  static LRESULT CALLBACK NoteBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                      DWORD_PTR self);

  MainWindow& owner_;
  int family_;
  std::array<std::unique_ptr<NotesPage>, 2> pages_;
  framework::ScopedWindow toolTip_;
  uint16_t shown_ = 0;
  bool filling_ = false;
  bool placed_ = false;
  bool shownBefore_ = false;
};
