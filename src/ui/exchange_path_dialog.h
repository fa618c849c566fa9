// What the import and export dialogs share: the profile box, whose chosen
// candidate fills the path box, and "Browse..." beside the path box.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "exchange/profile_paths.h"
#include "framework/dialog.h"

class ExchangePathDialog : public framework::Dialog {
 protected:
  explicit ExchangePathDialog(int templateId) : Dialog(templateId) {}

  // The profile box and "Browse..."; any other item goes to the base.
  bool OnCommand(int id, int code, HWND control) override;

  // Offers the candidates in the profile box, each label followed by kind;
  // the first fills the path box, which is emptied when there are none.
  void OfferCandidates(std::vector<ProfileCandidate> candidates, const std::string& kind);

  // Asks for a file or folder, starting from *path (the path box's text);
  // true with *path the choice, which then fills the path box.
  virtual bool ChoosePath(std::string* path) = 0;

 private:
  void ProfileChosen();
  void Browse();

  std::vector<ProfileCandidate> candidates_;
};
