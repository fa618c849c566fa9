// The base of every dialog built from an .rc template: OnInit, OnCommand,
// OnOK, OnCancel; modal Run(parent) and modeless Create(parent). Dialog
// data are plain public fields of the derived class, read and written in
// OnInit and OnOK.
#pragma once

#include <windows.h>

#include <string>

#include "framework/window.h"

namespace framework {

class Dialog : public WindowRef {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Modal: returns the code given to End (IDOK, IDCANCEL, ...) or -1.
  INT_PTR Run(HWND parent);
  // Modeless: the dialog joins the message loop's IsDialogMessage list.
  bool Create(HWND parent);
  void Destroy();
  // Ends a modal dialog, or destroys a modeless one.
  void End(INT_PTR code);
  bool IsModal() const { return modal_; }
  int TemplateId() const { return templateId_; }
  // Replaces the template's font before the dialog is created (the custom
  // dialog font); empty face keeps the template's.
  void SetTemplateFont(const std::string& face, int pointSize) {
    fontFace_ = face;
    fontPointSize_ = pointSize;
  }

  // One-line helpers on the dialog's items.
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  std::string ItemText(int id) const;
  void SetItemText(int id, const std::string& text) const { SetDlgItemTextA(hwnd_, id, text.c_str()); }
  int ItemInt(int id, bool* ok = nullptr) const;
  void SetItemInt(int id, int value) const { SetDlgItemInt(hwnd_, id, static_cast<UINT>(value), TRUE); }
  bool IsChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
  void CheckButton(int id, bool checked) const { CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED); }
  void EnableItem(int id, bool enable) const { EnableWindow(Item(id), enable ? TRUE : FALSE); }
  void ShowItem(int id, bool show) const { ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }
  void FocusItem(int id) const { SetFocus(Item(id)); }

 protected:
  // Return false to set the focus yourself.
  virtual bool OnInit() { return true; }
  virtual bool OnCommand(int id, int code, HWND control);
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }
  virtual LRESULT OnNotify(NMHDR* /*header*/) { return 0; }
  virtual bool OnDrawItem(DRAWITEMSTRUCT* /*item*/) { return false; }
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT* /*item*/) { return false; }
  virtual void OnSize(int /*type*/, int /*width*/, int /*height*/) {}
  virtual void OnDestroy() {}
  // Any other message; return true when handled and set *result.
  virtual bool OnMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR* /*result*/) { return false; }

 private:
  static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // The template, with the font replaced when one is set; null on failure.
  const DLGTEMPLATE* LoadTemplate(std::string* storage) const;

  int templateId_;
  bool modal_ = false;
  std::string fontFace_;
  int fontPointSize_ = 0;
};

}  // namespace framework
