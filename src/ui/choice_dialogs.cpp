#include "ui/choice_dialogs.h"

#include "framework/dialog.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "util/messages.h"

namespace {

// A dialog of push buttons that ends with the id of the button pressed.
class ChoiceDialog : public framework::Dialog {
 public:
  ChoiceDialog(int templateId, std::string caption)
      : Dialog(templateId), caption_(std::move(caption)) {}

 protected:
  bool OnInit() override {
    if (!caption_.empty()) SetText(caption_);
    return true;
  }
  bool OnCommand(int id, int code, HWND control) override {
    if (id == IDCANCEL) return Dialog::OnCommand(id, code, control);
    if (code == BN_CLICKED) {
      End(id);
      return true;
    }
    return false;
  }

 private:
  std::string caption_;
};

}  // namespace

DeleteBookmarkChoice AskDeleteBookmark(HWND owner, const std::string& title) {
  ChoiceDialog dialog(IDD_DELETE_BOOKMARK,
                      FillMessageArgs(platform::StringResource(IDS_DELETE_TITLE), {title}));
  switch (dialog.Run(owner)) {
    case IDC_DELETE_ALL_INSTANCES:
      return kDeleteAllInstances;
    case IDC_DELETE_THIS_INSTANCE:
      return kDeleteThisInstance;
    case IDC_SHOW_ALL_INSTANCES:
      return kDeleteShowInstances;
    default:
      return kDeleteCancelled;
  }
}

DuplicateBookmarkChoice AskDuplicateBookmark(HWND owner) {
  ChoiceDialog dialog(IDD_DUPLICATE_BOOKMARK, "");
  switch (dialog.Run(owner)) {
    case IDC_CREATE_ALIAS:
      return kDuplicateCreateAlias;
    case IDC_CREATE_NEW:
      return kDuplicateCreateNew;
    case IDC_SHOW_DUPLICATES:
      return kDuplicateShow;
    default:
      return kDuplicateCancelled;
  }
}
