// The main window's keys in its modeless dialogs: which keys qualify, and
// the message loop translating them for the owner while the dialog keeps
// its own keys.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/dialog.h"
#include "framework/message_loop.h"
#include "framework/owner_keys.h"
#include "resources/resource.h"

namespace {

TEST(OwnerKeys, OnlyFunctionKeysAndCtrlShiftCombinationsQualify) {
  struct Case {
    UINT message;
    WPARAM key;
    bool ctrl, shift, alt;
    bool expected;
  };
  const Case cases[] = {
      {WM_KEYDOWN, VK_F9, false, false, false, true},
      {WM_KEYDOWN, VK_F3, false, true, false, true},
      {WM_SYSKEYDOWN, VK_F5, false, false, true, true},  // Alt+F5
      {WM_KEYDOWN, 'F', true, true, false, true},        // Ctrl+Shift+F
      {WM_KEYDOWN, 'D', true, true, false, true},
      {WM_KEYDOWN, 'C', true, false, false, false},  // Ctrl+C copies in an edit box
      {WM_KEYDOWN, 'V', true, false, false, false},
      {WM_KEYDOWN, 'A', true, false, false, false},
      {WM_KEYDOWN, 'O', true, true, true, false},       // AltGr and Ctrl+Shift+Alt
      {WM_KEYDOWN, 'P', true, false, true, false},      // Ctrl+Alt (AltGr characters)
      {WM_SYSKEYDOWN, 'F', false, false, true, false},  // Alt+F: the dialog's mnemonic
      {WM_KEYDOWN, VK_ESCAPE, false, false, false, false},
      {WM_KEYDOWN, VK_RETURN, false, false, false, false},
      {WM_KEYDOWN, VK_TAB, true, false, false, false},
      {WM_KEYDOWN, VK_DOWN, true, false, false, false},
      {WM_KEYDOWN, '1', true, false, false, false},
      {WM_CHAR, 'F', true, true, false, false},  // only key presses
      {WM_KEYUP, VK_F9, false, false, false, false},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(IsKeyForOwnerWindow(c.message, c.key, c.ctrl, c.shift, c.alt), c.expected)
        << "case " << i;
  }
}

// The owner records the commands it receives.
std::vector<int> received;
LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND) received.push_back(LOWORD(wp));
  return DefWindowProcA(hwnd, msg, wp, lp);
}

class TestApplication : public framework::Application {};

class OwnedDialogKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VelloxOwnerKeysTest";
    RegisterClassA(&wc);
    owner_ = CreateWindowA("VelloxOwnerKeysTest", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                           nullptr, nullptr, wc.hInstance, nullptr);
    ACCEL keys[] = {{FVIRTKEY, VK_F9, ID_CMD_TOGGLE_LIST_VIEW},
                    {FVIRTKEY | FCONTROL | FSHIFT, 'F', ID_CMD_ADVANCED_SEARCH},
                    {FVIRTKEY | FCONTROL, 'C', ID_CMD_COPY_URL},
                    {FVIRTKEY, VK_ESCAPE, ID_CMD_ESCAPE}};
    accelerators_ = CreateAcceleratorTableA(keys, 4);
    app_.SetAccelerators(accelerators_, owner_);
    ASSERT_TRUE(owned_.Create(owner_));
    ASSERT_TRUE(stranger_.Create(nullptr));
    received.clear();
  }
  void TearDown() override {
    SetModifiers(false, false);
    owned_.Destroy();
    stranger_.Destroy();
    app_.SetAccelerators(nullptr, nullptr);
    DestroyAcceleratorTable(accelerators_);
    DestroyWindow(owner_);
  }

  static void SetModifiers(bool ctrl, bool shift) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_MENU] = 0;
    SetKeyboardState(state);
  }
  // A key pressed in the edit box of dialog; the commands the owner got.
  std::vector<int> Press(const framework::Dialog& dialog, WPARAM key, bool ctrl, bool shift) {
    received.clear();
    SetModifiers(ctrl, shift);
    MSG msg = {};
    msg.hwnd = dialog.Item(IDC_PRESET_NAME);
    msg.message = WM_KEYDOWN;
    msg.wParam = key;
    app_.PreTranslateMessage(&msg);
    SetModifiers(false, false);
    return received;
  }

  TestApplication app_;
  HWND owner_ = nullptr;
  HACCEL accelerators_ = nullptr;
  framework::Dialog owned_{IDD_NEW_PRESET};
  framework::Dialog stranger_{IDD_NEW_PRESET};
};

TEST_F(OwnedDialogKeys, FunctionKeysAndCtrlShiftReachTheOwnerOthersStayInTheDialog) {
  ASSERT_NE(owned_.Item(IDC_PRESET_NAME), nullptr);
  EXPECT_EQ(Press(owned_, VK_F9, false, false), std::vector<int>{ID_CMD_TOGGLE_LIST_VIEW});
  EXPECT_EQ(Press(owned_, 'F', true, true), std::vector<int>{ID_CMD_ADVANCED_SEARCH});
  // Ctrl+C copies the edit box's text; Esc closes the dialog, not a command
  // of the owner.
  EXPECT_TRUE(Press(owned_, 'C', true, false).empty());
  EXPECT_TRUE(Press(owned_, VK_ESCAPE, false, false).empty());
  // A dialog the window does not own gets none of its keys.
  EXPECT_TRUE(Press(stranger_, VK_F9, false, false).empty());
}

TEST_F(OwnedDialogKeys, TheOwnerItselfKeepsEveryKey) {
  received.clear();
  SetModifiers(true, false);
  MSG msg = {};
  msg.hwnd = owner_;
  msg.message = WM_KEYDOWN;
  msg.wParam = 'C';
  EXPECT_TRUE(app_.PreTranslateMessage(&msg));
  SetModifiers(false, false);
  EXPECT_EQ(received, std::vector<int>{ID_CMD_COPY_URL});
}

}  // namespace
