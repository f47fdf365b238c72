#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "startup/Form.h"
#include "tests/win/viewer/ModalHelpers.h"
#include "viewer/MakerSite.h"
#include "viewer/frmAbout.h"

namespace {

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> all;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  return all;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::vector<std::string> ChildTexts(HWND window) {
  std::vector<std::string> texts;
  for (HWND child : Descendants(window)) texts.push_back(TextOf(child));
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
    for (HWND c : Descendants(box)) {
      // The box itself stays hidden, so the page's own visible bit tells.
      if (TextOf(c).find(part) != std::string::npos &&
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

TEST(ShowAboutBox, RunsModallyUntilEscCloses) {
  HWND box = ActInModalLoop(
      "About Letterloom", [](HWND w) { PressKey(w, VK_ESCAPE); },
      [] { ShowAboutBox(nullptr); });  // returns only when the box is closed
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(IsWindow(box));
}

}  // namespace
