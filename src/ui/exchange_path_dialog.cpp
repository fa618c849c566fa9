#include "ui/exchange_path_dialog.h"

#include <utility>

#include "framework/controls.h"
#include "resources/resource.h"

bool ExchangePathDialog::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_PROFILE:
      if (code == CBN_SELCHANGE) ProfileChosen();
      return true;
    case IDC_BROWSE:
      Browse();
      return true;
    default:
      return Dialog::OnCommand(id, code, control);
  }
}

void ExchangePathDialog::OfferCandidates(std::vector<ProfileCandidate> candidates,
                                         const std::string& kind) {
  candidates_ = std::move(candidates);
  framework::ComboBox profiles(Item(IDC_PROFILE));
  profiles.Clear();
  for (const ProfileCandidate& candidate : candidates_) profiles.Add(candidate.label + kind);
  EnableItem(IDC_PROFILE, !candidates_.empty());
  if (candidates_.empty()) {
    SetItemText(IDC_EXCHANGE_PATH, "");
  } else {
    profiles.Select(0);
    ProfileChosen();
  }
}

void ExchangePathDialog::ProfileChosen() {
  int chosen = framework::ComboBox(Item(IDC_PROFILE)).Selection();
  if (chosen >= 0 && chosen < static_cast<int>(candidates_.size()))
    SetItemText(IDC_EXCHANGE_PATH, candidates_[static_cast<size_t>(chosen)].path);
}

void ExchangePathDialog::Browse() {
  std::string path = ItemText(IDC_EXCHANGE_PATH);
  if (ChoosePath(&path)) SetItemText(IDC_EXCHANGE_PATH, path);
}
