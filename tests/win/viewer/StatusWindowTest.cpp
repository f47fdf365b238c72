#include <gtest/gtest.h>

#include <string>

#include "startup/Win32Handles.h"
#include "startup/frmMessage.h"

namespace {

constexpr COLORREF kUntouched = RGB(255, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A memory bitmap of w x h pixels filled with a colour no frame line has,
// so every pixel a line reaches shows, even one in white.
class Surface {
 public:
  Surface(int w, int h, COLORREF fill)
      : screen_(nullptr), dc_(CreateCompatibleDC(screen_.get())),
        bits_(CreateCompatibleBitmap(screen_.get(), w, h)), select_(dc_.get(), bits_.get()) {
    ScopedBrush brush(CreateSolidBrush(fill));
    RECT all{0, 0, w, h};
    FillRect(dc_.get(), &all, brush.get());
  }
  HDC dc() const { return dc_.get(); }
  bool ok() const { return dc_ && bits_ && select_; }

 private:
  ScopedGetDC screen_;
  ScopedCreateDC dc_;
  ScopedBitmap bits_;
  ScopedSelect select_;
};

struct Probe {
  int x, y;  // negative: counted from w or h (-1 is w - 1)
  int colour;  // system colour index, or -1 for black, -2 for untouched
  const char* why;
};

const Probe kProbes[] = {
    {0, 0, -1, "outer corner"},
    {-1, 0, -1, "line 1 reaches w - 1"},
    {-1, -1, -1, "bottom right corner"},
    {1, 1, COLOR_3DHIGHLIGHT, "left highlight starts at the top"},
    {-2, 1, COLOR_BTNSHADOW, "line 7 stops before w - 2"},
    {-2, 5, COLOR_BTNSHADOW, "right shadow"},
    {5, -2, COLOR_BTNSHADOW, "bottom shadow"},
    {2, 2, COLOR_3DHIGHLIGHT, "top highlight, second row"},
    {3, 3, COLOR_3DLIGHT, "light corner"},
    {-4, 10, COLOR_3DLIGHT, "right light"},
    {-5, 4, COLOR_3DHIGHLIGHT, "line 21 stops before w - 5"},
    {4, 4, COLOR_BTNSHADOW, "inner shadow corner"},
    {5, 10, COLOR_BTNSHADOW, "inner left shadow"},
    {6, 6, -1, "inner black corner"},
    {-6, 6, COLOR_3DHIGHLIGHT, "line 25 stops before w - 6"},
    {-7, 7, -1, "inner right black"},
    {-6, -7, COLOR_3DHIGHLIGHT, "line 28 stops before w - 6"},
    {6, -7, -1, "inner bottom black"},
    {7, 7, -2, "inside the frame"},
    {-8, -8, -2, "inside the frame"},
};

COLORREF Expected(int colour) {
  if (colour == -1) return kBlack;
  if (colour == -2) return kUntouched;
  return GetSysColor(colour);
}

TEST(DrawStatusFrame, EachBandHasItsColourAndTheInsideIsLeft) {
  const int w = 226, h = 63;  // the window's client area at 96 DPI
  Surface surface(w, h, kUntouched);
  ASSERT_TRUE(surface.ok());
  DrawStatusFrame(surface.dc(), w, h);
  for (const Probe& p : kProbes) {
    const int x = p.x < 0 ? w + p.x : p.x;
    const int y = p.y < 0 ? h + p.y : p.y;
    EXPECT_EQ(GetPixel(surface.dc(), x, y), Expected(p.colour))
        << "(" << x << ", " << y << "): " << p.why;
  }
  EXPECT_EQ(GetPixel(surface.dc(), w / 2, h / 2), kUntouched);
}

TEST(DrawStatusFrame, PutsTheCallersPenBack) {
  Surface surface(40, 20, kUntouched);
  HGDIOBJ before = GetCurrentObject(surface.dc(), OBJ_PEN);
  DrawStatusFrame(surface.dc(), 40, 20);
  EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_PEN), before);
}

TEST(StatusWindow, IsABorderlessWhitePanelOutOfTheTaskBar) {
  frmMessage status;
  ASSERT_TRUE(status.Load());
  const LONG_PTR style = GetWindowLongPtrA(status.hwnd(), GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrA(status.hwnd(), GWL_EXSTYLE);
  EXPECT_FALSE(style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME));
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  EXPECT_FALSE(IsWindowVisible(status.hwnd()));

  RECT client{};
  GetClientRect(status.hwnd(), &client);
  EXPECT_EQ(client.right, 226);  // 3390 x 945 twips at 15 twips a pixel
  EXPECT_EQ(client.bottom, 63);

  status.SetMessage("Printing...");
  char text[64] = {};
  GetWindowTextA(status.lblMessage(), text, sizeof text);
  EXPECT_STREQ(text, "Printing...");
  RECT label{};
  GetWindowRect(status.lblMessage(), &label);
  MapWindowPoints(nullptr, status.hwnd(), reinterpret_cast<POINT*>(&label), 2);
  EXPECT_EQ(label.left, 12);
  EXPECT_EQ(label.top, 16);
  EXPECT_EQ(label.right - label.left, 199);
  EXPECT_EQ(label.bottom - label.top, 34);
  EXPECT_TRUE(GetWindowLongPtrA(status.lblMessage(), GWL_STYLE) & SS_CENTER);

  Surface surface(client.right, client.bottom, kUntouched);
  SendMessageA(status.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.dc()),
               PRF_CLIENT | PRF_ERASEBKGND);
  EXPECT_EQ(GetPixel(surface.dc(), 0, 0), kBlack);
  EXPECT_EQ(GetPixel(surface.dc(), 6, 6), kBlack);
  EXPECT_EQ(GetPixel(surface.dc(), 7, 7), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(surface.dc(), 8, client.bottom - 9), RGB(255, 255, 255));

  status.Show();
  EXPECT_TRUE(IsWindowVisible(status.hwnd()));
  EXPECT_FALSE(IsWindowVisible(status.Picture1()));
  status.ShowPicture(true);
  EXPECT_TRUE(IsWindowVisible(status.Picture1()));
  status.Unload();
  EXPECT_EQ(status.hwnd(), nullptr);
}

}  // namespace
