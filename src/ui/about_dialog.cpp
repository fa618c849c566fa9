#include "ui/about_dialog.h"

#include "framework/dialog.h"
#include "resources/resource.h"
#include "util/version.h"

namespace {

class AboutDialog : public framework::Dialog {
 public:
  AboutDialog() : Dialog(IDD_ABOUT) {}

 protected:
  bool OnInit() override {
    SetItemText(IDC_ABOUT_VERSION, AboutVersionText());
    return true;
  }
};

}  // namespace

std::string AboutVersionText() { return std::string("Version ") + kVelloxVersion; }

void ShowAboutBox(HWND parent) {
  AboutDialog dialog;
  dialog.Run(parent);
}
