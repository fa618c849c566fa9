#include "ui/main_window.h"

#include "app/application.h"
#include "ui/app_command_window.h"

MainWindow* currentMainWindow = nullptr;

namespace {
constexpr char kMainWindowClass[] = "VelloxMain";
}  // namespace

std::string MainWindowTitle(const std::string& listName) {
  return listName.empty() ? std::string("Vellox") : listName + " - Vellox";
}

void CreateMainWindow(int mode, HWND owner, bool startMinimized) {
  static ATOM registered = 0;
  if (!registered) {
    WNDCLASSEXA wc = {};
    wc.hIcon = App().largeIcon;
    wc.hIconSm = App().smallIcon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainWindowClass;
    registered = framework::Window::RegisterClass(wc);
  }
  auto* window = new MainWindow(mode);
  framework::CreateArgs args;
  args.className = kMainWindowClass;
  args.title = "Vellox";
  args.style = WS_OVERLAPPEDWINDOW;
  args.parent = owner;
  args.rect = {CW_USEDEFAULT, CW_USEDEFAULT, 640, 480};
  if (!window->Create(args)) {
    delete window;
    return;
  }
  currentMainWindow = window;
  window->Show(startMinimized ? SW_SHOWMINNOACTIVE : SW_SHOW);
  window->RefreshDisplay();
}

void DeleteMainWindow() {
  MainWindow* window = currentMainWindow;
  currentMainWindow = nullptr;
  delete window;
}

bool MainWindow::OnCreate() { return true; }

void MainWindow::RefreshDisplay() {
  SetText(MainWindowTitle(App().lists.CurrentName()));
  Invalidate();
}

bool MainWindow::SaveIfChanged(bool exiting, bool askFirst, bool force) {
  // The save step of each open list, the current one first.
  ListSlots& lists = App().lists;
  if (lists.currentList &&
      !lists.SaveListStep(*lists.currentList, lists.currentListIndex, exiting, askFirst, force))
    return false;
  if (lists.markHoldingList &&
      !lists.SaveListStep(*lists.markHoldingList, lists.markHoldingListIndex, exiting, askFirst, force))
    return false;
  return true;
}

bool MainWindow::OnClose() {
  if (!SaveIfChanged(true, false, false)) return true;
  // Ending the program: the command window owns the run.
  if (App().commandWindow) App().commandWindow->Destroy();
  return true;
}

void MainWindow::OnFinalMessage() {
  if (currentMainWindow == this) currentMainWindow = nullptr;
}

bool MainWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT r = ClientRect();
  // Two lines under the menu bar: shadow above highlight.
  HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
  HGDIOBJ old = SelectObject(dc, shadow);
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, r.right, 0);
  SelectObject(dc, light);
  MoveToEx(dc, 0, 1, nullptr);
  LineTo(dc, r.right, 1);
  SelectObject(dc, old);
  DeleteObject(shadow);
  DeleteObject(light);
  const std::string name = App().lists.CurrentName();
  std::string text = name.empty() ? "No bookmark list is open." : "Bookmark list: " + name;
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, 16, 16, text.c_str(), static_cast<int>(text.size()));
  EndPaint(hwnd_, &ps);
  return true;
}
