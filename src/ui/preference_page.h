// The pages of the preferences dialog: each a child dialog made when its
// tab is chosen, holding a working copy of the settings it shows, and
// writing it into the settings on Apply.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/dialog.h"
#include "settings/settings.h"

// The pages in tab order.
enum PreferencePageIndex {
  kPageLists = 0,
  kPageBrowsers = 1,
  kPageBehavior = 2,
  kPageHotKeys = 3,
  kPagePresentation = 4,
  kPageCount = 5,
};

// What the pages need of the program around the dialog (the main window).
class PreferencesHost {
 public:
  virtual ~PreferencesHost() = default;
  virtual Settings& UserSettings() = 0;
  // A page's values were written into the settings: the program and the
  // main window follow them at once.
  virtual void PreferencesApplied() = 0;
  // Done: the settings written with their backup file.
  virtual void SaveSettingsWithBackup() = 0;
  // The known lists were edited: the list that stood at original stands at
  // newIndexOf(original) now (-1: removed from the menu).
  virtual void KnownListsRenumbered(const std::function<int(int)>& newIndexOf) = 0;
  // The items of the list file sourcePath appended to the list at
  // listPath (the open one, or opened for it); the user is told of
  // failures. False when nothing was merged.
  virtual bool MergeListFile(const std::string& listPath, const std::string& sourcePath) = 0;
};

class PreferencePage : public framework::Dialog {
 public:
  PreferencePage(int templateId, PreferencesHost& host) : Dialog(templateId), host_(host) {}

  // Called whenever the working copy may have changed (the dialog enables
  // "&Apply" when Changed()).
  void SetChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }
  virtual bool Changed() const = 0;
  // Checks the working copy and writes it into the settings; false, after
  // telling the user, when an entry is incomplete.
  virtual bool Apply() = 0;

 protected:
  void OnOK() override {}
  void OnCancel() override {}
  void NotifyChange() const {
    if (onChange_ && !filling_) onChange_();
  }
  // Set while the page fills its controls, whose notifications are no
  // changes of the user.
  bool filling_ = false;
  PreferencesHost& host_;

 private:
  std::function<void()> onChange_;
};

// The page at index (kPage...).
std::unique_ptr<PreferencePage> MakePreferencePage(int index, PreferencesHost& host);
std::unique_ptr<PreferencePage> MakeListsPage(PreferencesHost& host);
std::unique_ptr<PreferencePage> MakeBrowsersPage(PreferencesHost& host);
std::unique_ptr<PreferencePage> MakeBehaviorPage(PreferencesHost& host);
std::unique_ptr<PreferencePage> MakeHotKeysPage(PreferencesHost& host);
std::unique_ptr<PreferencePage> MakePresentationPage(PreferencesHost& host);
