#include <gtest/gtest.h>

#include <string>

#include "startup/Session.h"
#include "startup/Win32Handles.h"
#include "startup/frmHelper.h"
#include "startup/generic32.h"
#include "tests/support/TempFolder.h"
#include "tests/win/viewer/ModalHelpers.h"
#include "viewer/Twips.h"

namespace {

class WelcomeScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedIni = gIniFile;
    savedFont = gDialogFont;
    gIniFile = folder.File("letloom.ini");
    gDialogFont = "Tahoma";
  }
  void TearDown() override {
    gIniFile = savedIni;
    gDialogFont = savedFont;
  }
  std::string Stored() const { return ReadIniString("HelpDialogs", "NoFileName", "unset", gIniFile); }

  TempFolder folder;
  std::string savedIni, savedFont;
};

std::string TextOf(HWND w) {
  char text[256] = {};
  GetWindowTextA(w, text, sizeof text);
  return text;
}

RECT PlaceInParent(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LOGFONTA FontOf(HWND control) {
  LOGFONTA description{};
  const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  if (font) GetObjectA(font, sizeof description, &description);
  return description;
}

TEST_F(WelcomeScreenTest, ControlsStandWhereTheLayoutPutsThem) {
  if (TwipsPerPixelX() != 15 || TwipsPerPixelY() != 15) GTEST_SKIP() << "needs 96 DPI";
  frmHelper screen;
  ASSERT_TRUE(screen.Load());
  struct Case {
    HWND control;
    const char* caption;
    int x, y;
  };
  const Case cases[] = {
      {screen.Label1, "Welcome to Letterloom", 50, 4},
      {screen.Label2,
       "It appears you have started this software by double-clicking or running the "
       "LETTERLOOM.EXE file.",
       50, 22},
      {screen.Label5, "To Open a Specific Font File", 50, 150},
      {screen.Label6, "Drag a TrueType file from Windows Explorer onto the Letterloom window.",
       68, 166},
      {screen.Label8, "- or -", 68, 198},
      {screen.Label7, "Double-click a TrueType file in Windows Explorer.", 68, 218},
      {screen.picBullet[1].hwnd(), "", 50, 220},
      {screen.chkDontShow, "Don't show this screen again", 50, 246},
      {screen.cmdOK, "OK", 124, 274},
      {screen.picIcon, "", 10, 6},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.control, nullptr) << c.caption;
    EXPECT_EQ(TextOf(c.control), c.caption);
    const RECT r = PlaceInParent(c.control);
    EXPECT_EQ(r.left, c.x) << c.caption;
    EXPECT_EQ(r.top, c.y) << c.caption;
  }
  const RECT bullet = PlaceInParent(screen.picBullet[0].hwnd());
  EXPECT_EQ(bullet.right - bullet.left, 15);
  EXPECT_EQ(bullet.bottom - bullet.top, 15);

  // The layout is for the client area; the OK button must fit in it.
  RECT client{};
  GetClientRect(screen.hwnd(), &client);
  EXPECT_EQ(client.right, 330);
  EXPECT_EQ(client.bottom, 309);
  EXPECT_LE(PlaceInParent(screen.cmdOK).bottom, client.bottom);
  EXPECT_EQ(TextOf(screen.hwnd()), "Letterloom Information");
}

TEST_F(WelcomeScreenTest, FixedBorderNoControlBoxAndOutOfTheTaskBar) {
  frmHelper screen;
  ASSERT_TRUE(screen.Load());
  const LONG_PTR style = GetWindowLongPtrA(screen.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_FALSE(GetWindowLongPtrA(screen.hwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  // An owned window never gets a task bar button.
  EXPECT_NE(GetWindow(screen.hwnd(), GW_OWNER), nullptr);
  EXPECT_TRUE(GetWindowLongPtrA(screen.cmdOK, GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(WelcomeScreenTest, FontsKeepTheirSizeAndStyleInTheDialogFace) {
  if (TwipsPerPixelY() != 15) GTEST_SKIP() << "needs 96 DPI";
  frmHelper screen;
  ASSERT_TRUE(screen.Load());
  const LOGFONTA title = FontOf(screen.Label1);
  const LOGFONTA text = FontOf(screen.Label2);
  const LOGFONTA heading = FontOf(screen.Label5);
  EXPECT_STREQ(title.lfFaceName, "Tahoma");
  EXPECT_STREQ(text.lfFaceName, "Tahoma");
  EXPECT_STREQ(FontOf(screen.cmdOK).lfFaceName, "Tahoma");
  EXPECT_EQ(title.lfHeight, -13);  // 9.75 pt
  EXPECT_GE(title.lfWeight, FW_BOLD);
  EXPECT_EQ(text.lfHeight, -11);  // 8.25 pt
  EXPECT_LT(text.lfWeight, FW_BOLD);
  EXPECT_FALSE(text.lfUnderline);
  EXPECT_TRUE(heading.lfUnderline);
  EXPECT_EQ(heading.lfHeight, -11);
}

TEST_F(WelcomeScreenTest, BulletsAreDrawnWithTheirRedLeftOut) {
  frmHelper screen;
  ASSERT_TRUE(screen.Load());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (const KeptPicture& box : screen.picBullet) {
    ScopedCreateDC surface(CreateCompatibleDC(nullptr));
    ScopedGetDC screenDC(nullptr);
    ScopedBitmap bits(CreateCompatibleBitmap(screenDC.get(), 15, 15));
    ScopedSelect select(surface.get(), bits.get());
    // What the box paints, not what it keeps, is what the user sees.
    SendMessageA(box.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.get()), PRF_CLIENT);
    EXPECT_EQ(GetPixel(surface.get(), 0, 0), face);  // a red corner of the ball
    EXPECT_EQ(GetPixel(surface.get(), 9, 0), face);
    EXPECT_EQ(GetPixel(surface.get(), 12, 12), face);  // beyond the 10 x 10 picture
    const COLORREF centre = GetPixel(surface.get(), 5, 5);
    EXPECT_NE(centre, face);
    EXPECT_NE(centre, RGB(255, 0, 0));
  }
}

TEST_F(WelcomeScreenTest, OkWithTheBoxTickedStoresOneAndCloses) {
  frmHelper screen;
  ASSERT_TRUE(screen.Load());
  SendMessageA(screen.chkDontShow, BM_CLICK, 0, 0);
  SendMessageA(screen.cmdOK, BM_CLICK, 0, 0);
  EXPECT_EQ(screen.hwnd(), nullptr);
  EXPECT_EQ(Stored(), "1");
  // Windows keeps the leading blank of the number text; Wine drops it.
  const std::string file = folder.Read("letloom.ini");
  EXPECT_TRUE(file.find("NoFileName= 1") != std::string::npos ||
              file.find("NoFileName=1") != std::string::npos)
      << file;
}

TEST_F(WelcomeScreenTest, ClosingOtherwiseThanWithOkIsRefused) {
  frmHelper screen;
  ASSERT_TRUE(screen.Load());
  SendMessageA(screen.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_NE(screen.hwnd(), nullptr);
  EXPECT_EQ(Stored(), "unset");
}

// The keys of the modal screen, each with the box ticked or not.
TEST_F(WelcomeScreenTest, EnterAndEscStoreTheBoxAsOkDoes) {
  struct Case {
    WPARAM key;
    bool tick;
    const char* stored;
  };
  for (const Case c : {Case{VK_ESCAPE, true, "1"}, Case{VK_RETURN, false, "0"}}) {
    DeleteFileA(gIniFile.c_str());
    HWND shown = ActInModalLoop(
        "Letterloom Information",
        [&](HWND w) {
          HWND box = FindWindowExA(w, nullptr, "BUTTON", "Don't show this screen again");
          if (c.tick) SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
          PressKey(w, c.key);
        },
        [] { ShowWelcomeScreen(); });  // returns once the screen is closed
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(Stored(), c.stored) << "key " << c.key;
  }
}

}  // namespace
