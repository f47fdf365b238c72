#include "startup/frmHelper.h"

#include <string>

#include "res/resource.h"
#include "startup/Session.h"
#include "startup/TextRules.h"
#include "viewer/Twips.h"
#include "viewer/modBitMaps.h"

namespace {

constexpr char kCaption[] = "Letterloom Information";
// The layout was designed for a client area of this size, in twips.
constexpr double kClientWidth = 4950, kClientHeight = 4635;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;  // fixed border, no control box
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kIdDontShow = 101;

struct Place {
  double left, top, width, height;
};

HFONT MakeSansSerif(double points, bool bold, bool underline) {
  return CreateFontA(PointsToFontHeight(points), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                     underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}

HWND MakeControl(HWND parent, const char* className, const char* caption, DWORD style,
                 const Place& at, int id, HFONT font) {
  HWND control = CreateWindowExA(
      0, className, caption, WS_CHILD | WS_VISIBLE | style, TwipsToPixelsX(at.left),
      TwipsToPixelsY(at.top), TwipsToPixelsX(at.width), TwipsToPixelsY(at.height), parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (control && font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

HWND MakeLabel(HWND parent, const char* caption, const Place& at, HFONT font) {
  return MakeControl(parent, "STATIC", caption, SS_LEFT | SS_NOPREFIX, at, 0, font);
}

}  // namespace

// --- KeptPicture

KeptPicture::~KeptPicture() {
  Unload();
  // The bitmap can only be deleted once it is out of the DC.
  if (original_) SelectObject(memory_.get(), original_);
}

bool KeptPicture::Create(HWND parent, int x, int y, int width, int height) {
  if (!memory_ || bitmap_) return false;
  {
    ScopedGetDC screen(nullptr);
    bitmap_.reset(CreateCompatibleBitmap(screen.get(), width, height));
  }
  if (!bitmap_) return false;
  original_ = SelectObject(memory_.get(), bitmap_.get());
  if (!original_ || original_ == HGDI_ERROR) {
    original_ = nullptr;
    return false;
  }
  width_ = width;
  height_ = height;
  RECT all{0, 0, width, height};
  FillRect(memory_.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
  return CreateForm("", WS_CHILD | WS_VISIBLE, 0, x, y, width, height, parent);
}

void KeptPicture::Refresh() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT KeptPicture::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the kept image covers the whole box
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (HDC dc = BeginPaint(hwnd(), &ps)) {
        BitBlt(dc, 0, 0, width_, height_, memory_.get(), 0, 0, SRCCOPY);
        EndPaint(hwnd(), &ps);
      }
      return 0;
    }
    case WM_PRINTCLIENT:
      BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, width_, height_, memory_.get(), 0, 0, SRCCOPY);
      return 0;
    default:
      return Form::OnMessage(message, wParam, lParam);
  }
}

// --- frmHelper

bool frmHelper::HiddenOwner::Load() { return CreateForm("", WS_POPUP, 0, 0, 0, 0, 0); }

frmHelper::~frmHelper() {
  // Before the members go: destroying the window still reaches OnMessage.
  Unload();
}

bool frmHelper::Load() {
  if (hwnd() || (!owner_.hwnd() && !owner_.Load())) return false;
  RECT outer{0, 0, TwipsToPixelsX(kClientWidth), TwipsToPixelsY(kClientHeight)};
  AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
  if (!CreateForm(kCaption, kStyle, kExStyle, 0, 0, outer.right - outer.left,
                  outer.bottom - outer.top, owner_.hwnd())) {
    return false;
  }
  normalFont_.reset(MakeSansSerif(8.25, false, false));
  boldFont_.reset(MakeSansSerif(9.75, true, false));
  underlinedFont_.reset(MakeSansSerif(8.25, false, true));
  HFONT normal = normalFont_.get();

  const HINSTANCE instance = GetModuleHandleA(nullptr);
  picIcon = MakeControl(hwnd(), "STATIC", "", SS_ICON, {150, 90, 480, 480}, 0, nullptr);
  if (picIcon) {
    // A shared icon belongs to the system; nothing to free.
    if (HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 32, 32,
                                 LR_SHARED)) {
      SendMessageA(picIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
  }
  Label1 = MakeLabel(hwnd(), "Welcome to Letterloom", {750, 60, 4140, 270}, boldFont_.get());
  Label2 = MakeLabel(hwnd(),
                     "It appears you have started this software by double-clicking or running "
                     "the LETTERLOOM.EXE file.",
                     {750, 330, 4140, 645}, normal);
  Label3 = MakeLabel(hwnd(),
                     "This software is normally integrated into the Windows Explorer shell and "
                     "run by double-clicking a TrueType or OpenType font file.",
                     {750, 1020, 4140, 675}, normal);
  Label4 = MakeLabel(hwnd(),
                     "Since a font file has not been specified, Letterloom will open the first "
                     "file listed in your Fonts folder.",
                     {750, 1740, 4140, 510}, normal);
  Label5 = MakeLabel(hwnd(), "To Open a Specific Font File", {750, 2250, 4140, 240},
                     underlinedFont_.get());
  Label6 = MakeLabel(hwnd(),
                     "Drag a TrueType file from Windows Explorer onto the Letterloom window.",
                     {1020, 2490, 3870, 450}, normal);
  Label8 = MakeLabel(hwnd(), "- or -", {1020, 2970, 3870, 240}, normal);
  Label7 = MakeLabel(hwnd(), "Double-click a TrueType file in Windows Explorer.",
                     {1020, 3270, 3870, 390}, normal);
  // No border: the bullets stand on the form's own face.
  const bool bullets =
      picBullet[0].Create(hwnd(), TwipsToPixelsX(750), TwipsToPixelsY(2520), TwipsToPixelsX(225),
                          TwipsToPixelsY(225)) &&
      picBullet[1].Create(hwnd(), TwipsToPixelsX(750), TwipsToPixelsY(3300), TwipsToPixelsX(225),
                          TwipsToPixelsY(225));
  chkDontShow = MakeControl(hwnd(), "BUTTON", "Don't show this screen again",
                            BS_AUTOCHECKBOX | WS_TABSTOP, {750, 3690, 3000, 255}, kIdDontShow,
                            normal);
  cmdOK = MakeControl(hwnd(), "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP,
                      {1860, 4110, 1230, 375}, IDOK, normal);
  if (!picIcon || !Label1 || !Label2 || !Label3 || !Label4 || !Label5 || !Label6 || !Label7 ||
      !Label8 || !bullets || !chkDontShow || !cmdOK) {
    Unload();
    return false;
  }

  CenterForm(hwnd());
  ApplyDialogFont(hwnd(), gDialogFont, dialogFonts_);
  DrawBullets();
  return true;
}

void frmHelper::DrawBullets() {
  ScopedBitmap bullet(LoadBitmapResource(IDB_BULLET));
  if (!bullet) return;  // the screen stays readable without its bullets
  for (KeptPicture& box : picBullet) {
    DrawTransparentBitmap(box.dc(), bullet.get(), 0, 0, CLR_KEY_RED);
    box.Refresh();
  }
}

void frmHelper::cmdOK_Click() {
  const bool ticked = SendMessageA(chkDontShow, BM_GETCHECK, 0, 0) == BST_CHECKED;
  WriteIniString("HelpDialogs", "NoFileName", NumberText(ticked ? 1 : 0), gIniFile);
  Unload();
}

LRESULT frmHelper::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Enter comes as IDOK and Esc as IDCANCEL: both are the OK button.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        cmdOK_Click();
        return 0;
      }
      break;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CLOSE:
      return 0;  // only OK closes it (Alt+F4 included)
    default:
      break;
  }
  return Form::OnMessage(message, wParam, lParam);
}

void ShowWelcomeScreen() {
  frmHelper screen;
  if (!screen.Load()) return;
  ShowWindow(screen.hwnd(), SW_SHOW);
  SetFocus(screen.cmdOK);
  MSG msg;
  while (screen.hwnd()) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // The run is ending: leave the quit for the loop that owns it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (IsDialogMessageA(screen.hwnd(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
