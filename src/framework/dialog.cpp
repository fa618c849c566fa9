#include "framework/dialog.h"

#include <exception>

#include "framework/dialog_template.h"
#include "framework/message_loop.h"

namespace framework {

Dialog::~Dialog() { Destroy(); }

const DLGTEMPLATE* Dialog::LoadTemplate(std::string* storage) const {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(templateId_), reinterpret_cast<LPCSTR>(RT_DIALOG));
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(instance, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return nullptr;
  if (fontFace_.empty()) return static_cast<const DLGTEMPLATE*>(data);
  storage->assign(static_cast<const char*>(data), SizeofResource(instance, found));
  if (!ReplaceTemplateFont(storage, fontFace_, fontPointSize_)) return static_cast<const DLGTEMPLATE*>(data);
  return reinterpret_cast<const DLGTEMPLATE*>(storage->data());
}

INT_PTR Dialog::Run(HWND parent) {
  std::string storage;
  const DLGTEMPLATE* tpl = LoadTemplate(&storage);
  if (!tpl) return -1;
  modal_ = true;
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), tpl, parent, StaticDialogProc,
                                 reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND parent) {
  std::string storage;
  const DLGTEMPLATE* tpl = LoadTemplate(&storage);
  if (!tpl) return false;
  modal_ = false;
  HWND created = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), tpl, parent, StaticDialogProc,
                                            reinterpret_cast<LPARAM>(this));
  if (!created) return false;
  MessageLoop::AddModeless(created);
  return true;
}

void Dialog::Destroy() {
  if (hwnd_ && IsWindow(hwnd_) && !modal_) DestroyWindow(hwnd_);
}

void Dialog::End(INT_PTR code) {
  if (modal_) EndDialog(hwnd_, code);
  else Destroy();
}

std::string Dialog::ItemText(int id) const { return WindowRef(Item(id)).Text(); }

int Dialog::ItemInt(int id, bool* ok) const {
  BOOL translated = FALSE;
  int value = static_cast<int>(GetDlgItemInt(hwnd_, id, &translated, TRUE));
  if (ok) *ok = translated != FALSE;
  return value;
}

bool Dialog::OnCommand(int id, int /*code*/, HWND /*control*/) {
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

INT_PTR CALLBACK Dialog::StaticDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Dialog* self;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lp);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, DWLP_USER, lp);
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (!self) return FALSE;
  try {
    INT_PTR result = self->HandleMessage(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
      SetWindowLongPtrA(hwnd, DWLP_USER, 0);
      MessageLoop::RemoveModeless(hwnd);
      self->hwnd_ = nullptr;
    }
    return result;
  } catch (const std::exception&) {
    return FALSE;
  } catch (...) {
    return FALSE;
  }
}

INT_PTR Dialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  INT_PTR result = 0;
  switch (msg) {
    case WM_INITDIALOG:
      return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      LRESULT r = OnNotify(reinterpret_cast<NMHDR*>(lp));
      SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, r);
      return r != 0;
    }
    case WM_DRAWITEM:
      return OnDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lp)) ? TRUE : FALSE;
    case WM_MEASUREITEM:
      return OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lp)) ? TRUE : FALSE;
    case WM_SIZE:
      OnSize(static_cast<int>(wp), LOWORD(lp), HIWORD(lp));
      return FALSE;
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
  }
  return OnMessage(msg, wp, lp, &result) ? result : FALSE;
}

}  // namespace framework
