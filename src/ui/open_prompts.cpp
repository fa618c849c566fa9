#include "ui/open_prompts.h"

#include "framework/dialog.h"
#include "resources/resource.h"

namespace {

// One edit box, OK and Cancel; the caption replaced when one is given.
class TextPrompt : public framework::Dialog {
 public:
  TextPrompt(int templateId, int editId, std::string caption)
      : Dialog(templateId), editId_(editId), caption_(std::move(caption)) {}

  std::string text;

 protected:
  bool OnInit() override {
    if (!caption_.empty()) SetText(caption_);
    FocusItem(editId_);
    return false;
  }
  void OnOK() override {
    text = ItemText(editId_);
    End(IDOK);
  }

 private:
  int editId_;
  std::string caption_;
};

bool Ask(HWND owner, int templateId, int editId, const std::string& caption, std::string* text) {
  TextPrompt prompt(templateId, editId, caption);
  if (prompt.Run(owner) != IDOK) return false;
  *text = prompt.text;
  return true;
}

}  // namespace

bool AskTypedAddress(HWND owner, std::string* address) {
  return Ask(owner, IDD_OPEN_NEW_BOOKMARK, IDC_ADDRESS, "", address);
}

bool AskQuickSearchTerm(HWND owner, const std::string& prompt, std::string* term) {
  return Ask(owner, IDD_QUICKSEARCH_PROMPT, IDC_QUICKSEARCH_TEXT, prompt, term);
}
