#include "startup/frmMessage.h"

#include "res/resource.h"
#include "startup/Session.h"
#include "viewer/Twips.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kIdMessage = 101;
constexpr int kIdPicture = 102;

// A coordinate counted back from the client's width or height: End(1) is w - 1
// as an x and h - 1 as a y.
constexpr int kFromEnd = 1 << 20;
constexpr int End(int n) { return kFromEnd - n; }
int Resolve(int coordinate, int size) {
  return coordinate > kFromEnd / 2 ? size - (kFromEnd - coordinate) : coordinate;
}

constexpr int kBlack = -1;  // otherwise a system colour index

struct FrameLine {
  int colour;
  int x1, y1, x2, y2;
};

// The lines in drawing order; later lines cover earlier ones where they meet.
// LineTo leaves out the end point, which the corners count on.
constexpr FrameLine kFrame[] = {
    {kBlack, 0, 0, End(0), 0},
    {kBlack, 0, 0, 0, End(0)},
    {kBlack, End(1), 1, End(1), End(0)},
    {kBlack, 1, End(1), End(0), End(1)},
    {COLOR_BTNSHADOW, End(2), 1, End(2), End(1)},
    {COLOR_BTNSHADOW, 2, End(2), End(1), End(2)},
    {COLOR_3DHIGHLIGHT, 2, 1, End(2), 1},
    {COLOR_3DHIGHLIGHT, 2, 2, End(2), 2},
    {COLOR_3DHIGHLIGHT, 1, 1, 1, End(1)},
    {COLOR_3DHIGHLIGHT, 2, 1, 2, End(2)},
    {COLOR_BTNSHADOW, End(3), 2, End(3), End(1)},
    {COLOR_BTNSHADOW, 3, End(3), End(1), End(3)},
    {COLOR_3DHIGHLIGHT, End(5), 4, End(5), End(4)},
    {COLOR_3DHIGHLIGHT, End(6), 5, End(6), End(5)},
    {COLOR_3DHIGHLIGHT, 3, End(6), End(5), End(6)},
    {COLOR_3DHIGHLIGHT, 3, End(5), End(4), End(5)},
    {COLOR_3DLIGHT, 3, 3, End(3), 3},
    {COLOR_3DLIGHT, 3, 3, 3, End(3)},
    {COLOR_3DLIGHT, End(4), 4, End(4), End(3)},
    {COLOR_3DLIGHT, 3, End(4), End(4), End(4)},
    {COLOR_BTNSHADOW, 4, 4, End(5), 4},
    {COLOR_BTNSHADOW, 4, 4, 4, End(4)},
    {COLOR_BTNSHADOW, 5, 5, End(6), 5},
    {COLOR_BTNSHADOW, 5, 5, 5, End(5)},
    {kBlack, 6, 6, End(6), 6},
    {kBlack, 6, 6, 6, End(7)},
    {kBlack, End(7), 7, End(7), End(7)},
    {kBlack, 6, End(7), End(6), End(7)},
};

}  // namespace

void DrawStatusFrame(HDC dc, int w, int h) {
  if (!dc) return;
  // System colours are taken now, so a changed colour scheme shows at the next paint.
  ScopedPen black(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  ScopedPen shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
  ScopedPen highlight(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DHIGHLIGHT)));
  ScopedPen light(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DLIGHT)));
  if (!black || !shadow || !highlight || !light) return;

  auto penFor = [&](int colour) {
    switch (colour) {
      case COLOR_BTNSHADOW: return shadow.get();
      case COLOR_3DHIGHLIGHT: return highlight.get();
      case COLOR_3DLIGHT: return light.get();
      default: return black.get();
    }
  };
  ScopedSelect keepPen(dc, GetStockObject(BLACK_PEN));
  if (!keepPen) return;
  for (const FrameLine& line : kFrame) {
    SelectObject(dc, penFor(line.colour));
    MoveToEx(dc, Resolve(line.x1, w), Resolve(line.y1, h), nullptr);
    LineTo(dc, Resolve(line.x2, w), Resolve(line.y2, h));
  }
  // keepPen puts the caller's pen back before the pens are deleted.
}

bool frmMessage::Load() {
  // A tool window stays out of the task bar; WS_POPUP alone gives no border.
  // No WS_CLIPCHILDREN: the label has no background, so the form's white
  // must be painted beneath it.
  if (!CreateForm("", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, TwipsToPixelsX(3390),
                  TwipsToPixelsY(945))) {
    return false;
  }
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  Picture1_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_ICON, TwipsToPixelsX(330),
                              TwipsToPixelsY(180), 0, 0, hwnd(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdPicture)), instance,
                              nullptr);
  lblMessage_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
                                TwipsToPixelsX(180), TwipsToPixelsY(240), TwipsToPixelsX(2985),
                                TwipsToPixelsY(510), hwnd(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdMessage)),
                                instance, nullptr);
  if (!Picture1_ || !lblMessage_) {
    Unload();
    return false;
  }
  // Shared icons are owned by the system; nothing to free.
  if (HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 0, 0,
                               LR_DEFAULTSIZE | LR_SHARED)) {
    SendMessageA(Picture1_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  }
  labelFont_.reset(CreateFontA(PointsToFontHeight(8.25), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
  if (labelFont_) {
    SendMessageA(lblMessage_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.get()), FALSE);
  }
  ApplyDialogFont(hwnd(), gDialogFont, dialogFonts_);
  CenterForm(hwnd());
  return true;
}

void frmMessage::SetMessage(const std::string& text) {
  if (!lblMessage_) return;
  SetWindowTextA(lblMessage_, text.c_str());
  // The label has no background of its own: the form repaints beneath it,
  // or the old text would stay under the new.
  RECT place{};
  GetWindowRect(lblMessage_, &place);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
  RedrawWindow(hwnd(), &place, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void frmMessage::ShowPicture(bool visible) {
  if (Picture1_) ShowWindow(Picture1_, visible ? SW_SHOWNA : SW_HIDE);
}

void frmMessage::Show() {
  if (!hwnd()) return;
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd());
  DoEvents();
}

void frmMessage::Paint(HDC dc) {
  RECT client{};
  GetClientRect(hwnd(), &client);
  DrawStatusFrame(dc, client.right, client.bottom);
}

LRESULT frmMessage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd(), &client);
      SetBkColor(reinterpret_cast<HDC>(wParam), kWhite);
      // ETO_OPAQUE fills with the background colour and needs no brush.
      ExtTextOutA(reinterpret_cast<HDC>(wParam), 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (HDC dc = BeginPaint(hwnd(), &ps)) {
        Paint(dc);
        EndPaint(hwnd(), &ps);
      }
      return 0;
    }
    case WM_PRINTCLIENT:
      if (lParam & PRF_ERASEBKGND) OnMessage(WM_ERASEBKGND, wParam, 0);
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // a panel to look at; clicks go nowhere
    default:
      break;
  }
  return Form::OnMessage(message, wParam, lParam);
}
