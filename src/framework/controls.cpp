#include "framework/controls.h"

#include <vector>

namespace framework {

namespace {

constexpr UINT_PTR kSelectAllSubclass = 1;
constexpr WPARAM kCtrlACharacter = 'A' - '@';

bool Pressed(int key) { return (GetKeyState(key) & 0x8000) != 0; }

LRESULT CALLBACK SelectAllKeyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR /*id*/,
                                  DWORD_PTR /*refData*/) {
  if (msg == WM_KEYDOWN && wp == 'A' && Pressed(VK_CONTROL) && !Pressed(VK_MENU) &&
      !Pressed(VK_SHIFT)) {
    SendMessageA(hwnd, EM_SETSEL, 0, -1);
    return 0;
  }
  // The character the key also makes would only beep.
  if (msg == WM_CHAR && wp == kCtrlACharacter) return 0;
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, SelectAllKeyProc, kSelectAllSubclass);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void EditBox::CatchSelectAllKey() const {
  SetWindowSubclass(hwnd_, SelectAllKeyProc, kSelectAllSubclass, 0);
}

std::string ListBox::ItemText(int index) const {
  LRESULT n = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (n == LB_ERR) return std::string();
  std::vector<char> buffer(static_cast<size_t>(n) + 1);
  Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data());
}

std::string ComboBox::ItemText(int index) const {
  LRESULT n = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (n == CB_ERR) return std::string();
  std::vector<char> buffer(static_cast<size_t>(n) + 1);
  Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data());
}

int TabControl::Add(const std::string& text) const {
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(text.c_str());
  int count = static_cast<int>(Send(TCM_GETITEMCOUNT));
  return static_cast<int>(
      Send(TCM_INSERTITEMA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&item)));
}

int ListViewControl::AddColumn(int index, const std::string& title, int width) const {
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(title.c_str());
  column.cx = width;
  column.iSubItem = index;
  return static_cast<int>(
      Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

int ListViewControl::AddItem(int index, const std::string& text, LPARAM data) const {
  LVITEMA item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  item.lParam = data;
  return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListViewControl::SetItemText(int index, int column, const std::string& text) const {
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

}  // namespace framework
