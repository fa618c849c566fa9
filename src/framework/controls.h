// Small typed wrappers over the common controls, attached to an existing
// HWND (usually a dialog item). One-line methods; they own nothing.
#pragma once

#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <string>

#include "framework/window.h"

namespace framework {

class Button : public WindowRef {
 public:
  using WindowRef::WindowRef;
  bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
  void SetChecked(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
  void Click() const { Send(BM_CLICK); }
};

class EditBox : public WindowRef {
 public:
  using WindowRef::WindowRef;
  void SetLimit(int chars) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(chars)); }
  void SelectAll() const { Send(EM_SETSEL, 0, -1); }
  // Makes Ctrl+A select the whole text, as the main window's Find box does
  // through its accelerator: a single-line edit box has no such key of its
  // own. The subclass goes with the window.
  void CatchSelectAllKey() const;
  void SetReadOnly(bool readOnly) const { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
  bool IsModified() const { return Send(EM_GETMODIFY) != 0; }
  void SetModified(bool modified) const { Send(EM_SETMODIFY, modified ? TRUE : FALSE); }
};

class ListBox : public WindowRef {
 public:
  using WindowRef::WindowRef;
  int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  int Add(const std::string& text) const {
    return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  }
  // For owner-drawn boxes without strings: an item carrying data.
  int AddData(LPARAM data) const { return static_cast<int>(Send(LB_ADDSTRING, 0, data)); }
  int Insert(int index, LPARAM data) const {
    return static_cast<int>(Send(LB_INSERTSTRING, static_cast<WPARAM>(index), data));
  }
  void Delete(int index) const { Send(LB_DELETESTRING, static_cast<WPARAM>(index)); }
  void Clear() const { Send(LB_RESETCONTENT); }
  int Selection() const { return static_cast<int>(Send(LB_GETCURSEL)); }
  void Select(int index) const { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }
  LPARAM Data(int index) const {
    return static_cast<LPARAM>(Send(LB_GETITEMDATA, static_cast<WPARAM>(index)));
  }
  void SetData(int index, LPARAM data) const {
    Send(LB_SETITEMDATA, static_cast<WPARAM>(index), data);
  }
  int TopIndex() const { return static_cast<int>(Send(LB_GETTOPINDEX)); }
  void SetTopIndex(int index) const { Send(LB_SETTOPINDEX, static_cast<WPARAM>(index)); }
  void SetRedraw(bool redraw) const { Send(WM_SETREDRAW, redraw ? TRUE : FALSE); }
  std::string ItemText(int index) const;
};

class ComboBox : public WindowRef {
 public:
  using WindowRef::WindowRef;
  int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  int Add(const std::string& text) const {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  }
  void Clear() const { Send(CB_RESETCONTENT); }
  int Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  void Select(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
  LPARAM Data(int index) const {
    return static_cast<LPARAM>(Send(CB_GETITEMDATA, static_cast<WPARAM>(index)));
  }
  void SetData(int index, LPARAM data) const {
    Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data);
  }
  std::string ItemText(int index) const;
};

class TabControl : public WindowRef {
 public:
  using WindowRef::WindowRef;
  int Add(const std::string& text) const;
  int Selection() const { return static_cast<int>(Send(TCM_GETCURSEL)); }
  void Select(int index) const { Send(TCM_SETCURSEL, static_cast<WPARAM>(index)); }
};

class ListViewControl : public WindowRef {
 public:
  using WindowRef::WindowRef;
  int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
  void Clear() const { Send(LVM_DELETEALLITEMS); }
  int AddColumn(int index, const std::string& title, int width) const;
  int AddItem(int index, const std::string& text, LPARAM data) const;
  void SetItemText(int index, int column, const std::string& text) const;
  int Selection() const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
};

}  // namespace framework
