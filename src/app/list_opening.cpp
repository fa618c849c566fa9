#include "app/list_opening.h"

#include <windows.h>

#include "app/application.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "util/messages.h"

namespace {
// 10013 "File Error": the list file cannot be opened.
constexpr int kCannotOpenMessage = 10013;
}  // namespace

uint32_t ListSlots::SecondsSinceSave() const { return platform::Now() - lastSaveTime; }

void ListSlots::CloseAll() {
  currentPath.clear();
  currentName.clear();
  modified = false;
}

std::string ListNameFromPath(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

bool OpenListByPath(const std::string& path) {
  VelloxApp& app = App();
  platform::File file;
  if (uint32_t error = file.Open(path.c_str(), platform::FileAccess::kRead)) {
    MessageFromTable(currentMainWindow ? currentMainWindow->Handle() : nullptr, kCannotOpenMessage,
                     MB_OK | MB_ICONSTOP, {platform::SystemErrorText(error)});
    return false;
  }
  app.lists.currentPath = path;
  app.lists.currentName = ListNameFromPath(path);
  app.lists.currentListIndex = -1;
  for (size_t i = 0; i < app.settings.lists.size(); ++i) {
    if (lstrcmpiA(app.settings.lists[i].path.c_str(), path.c_str()) == 0) {
      app.lists.currentListIndex = static_cast<int>(i);
      app.lists.currentName = app.settings.lists[i].name;
    }
  }
  app.lists.readOnly = true;
  app.lists.lastSaveTime = platform::Now();
  if (currentMainWindow) currentMainWindow->RefreshDisplay();
  return true;
}

bool OpenKnownList(int index) {
  const Settings& settings = App().settings;
  if (index < 0 || static_cast<size_t>(index) >= settings.lists.size()) return false;
  return OpenListByPath(settings.lists[static_cast<size_t>(index)].path);
}
