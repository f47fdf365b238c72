#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "startup/Form.h"
#include "viewer/MakerSite.h"
#include "viewer/frmAbout.h"

namespace {

std::vector<std::string> ChildTexts(HWND window) {
  std::vector<std::string> texts;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        char text[1024] = {};
        GetWindowTextA(child, text, sizeof text);
        reinterpret_cast<std::vector<std::string>*>(param)->push_back(text);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

bool AnyContains(const std::vector<std::string>& texts, const std::string& part) {
  for (const auto& t : texts) {
    if (t.find(part) != std::string::npos) return true;
  }
  return false;
}

std::vector<std::string> TabNames(HWND box) {
  std::vector<std::string> names;
  HWND tabs = FindWindowExA(box, nullptr, WC_TABCONTROLA, nullptr);
  const int count = tabs ? static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
  for (int i = 0; i < count; ++i) {
    char name[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = name;
    item.cchTextMax = sizeof name;
    SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    names.push_back(name);
  }
  return names;
}

class AboutBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { box = CreateAboutBox(nullptr); }
  void TearDown() override {
    if (IsWindow(box)) DestroyWindow(box);
  }
  HWND box = nullptr;
};

TEST_F(AboutBoxTest, NamesTheProgramItsMakerAndTheTerms) {
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TabNames(box), (std::vector<std::string>{"Letterloom", "Distribution", "Warranty"}));
  const auto texts = ChildTexts(box);
  EXPECT_TRUE(AnyContains(texts, "Letterloom"));
  EXPECT_TRUE(AnyContains(texts, "2.62 - 7/9/2001"));
  EXPECT_TRUE(AnyContains(texts, "Moonquarry Development"));
  EXPECT_TRUE(AnyContains(texts, kMakerWebSite));
  EXPECT_TRUE(AnyContains(texts, "freeware"));
  EXPECT_TRUE(AnyContains(texts, "unchanged"));
  EXPECT_TRUE(AnyContains(texts, "as is"));
  EXPECT_TRUE(AnyContains(texts, "without warranty"));
}

TEST_F(AboutBoxTest, SwitchingTabsShowsThatPageOnly) {
  ASSERT_NE(box, nullptr);
  HWND tabs = FindWindowExA(box, nullptr, WC_TABCONTROLA, nullptr);
  ASSERT_NE(tabs, nullptr);
  auto visibleWith = [&](const char* part) {
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      char text[1024] = {};
      GetWindowTextA(c, text, sizeof text);
      // The box itself stays hidden, so the page's own visible bit tells.
      if (std::string(text).find(part) != std::string::npos &&
          (GetWindowLongPtrA(c, GWL_STYLE) & WS_VISIBLE)) {
        return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(visibleWith("Moonquarry Development\r\n"));
  EXPECT_FALSE(visibleWith("freeware"));

  // TCM_SETCURSEL sends no notification; a click would, so send it as the control does.
  SendMessageA(tabs, TCM_SETCURSEL, 2, 0);
  NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(box, WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
  EXPECT_TRUE(visibleWith("without warranty"));
  EXPECT_FALSE(visibleWith("Moonquarry Development\r\n"));
}

TEST_F(AboutBoxTest, OkAndEscCloseIt) {
  ASSERT_NE(box, nullptr);
  HWND ok = GetDlgItem(box, IDOK);
  ASSERT_NE(ok, nullptr);
  char caption[16] = {};
  GetWindowTextA(ok, caption, sizeof caption);
  EXPECT_STREQ(caption, "OK");
  SendMessageA(ok, BM_CLICK, 0, 0);
  DoEvents();
  EXPECT_FALSE(IsWindow(box));

  HWND second = CreateAboutBox(nullptr);
  ASSERT_NE(second, nullptr);
  SendMessageA(second, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // what Esc sends
  EXPECT_FALSE(IsWindow(second));
}

// Finds the about box among this thread's windows and presses Esc in it,
// as a user would, once the modal loop runs.
HWND gPressedIn = nullptr;
void CALLBACK PressEscInAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM param) -> BOOL {
        char caption[64] = {};
        GetWindowTextA(w, caption, sizeof caption);
        if (std::string(caption) != "About Letterloom") return TRUE;
        *reinterpret_cast<HWND*>(param) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  if (!found) return;
  KillTimer(nullptr, timer);
  gPressedIn = found;
  HWND focus = GetFocus();
  PostMessageA(focus ? focus : found, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST(ShowAboutBox, RunsModallyUntilEscCloses) {
  gPressedIn = nullptr;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, PressEscInAboutBox);
  ASSERT_NE(timer, 0u);
  ShowAboutBox(nullptr);  // returns only when the box is closed
  KillTimer(nullptr, timer);
  ASSERT_NE(gPressedIn, nullptr);
  EXPECT_FALSE(IsWindow(gPressedIn));
}

}  // namespace
