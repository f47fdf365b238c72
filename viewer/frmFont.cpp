#include "viewer/frmFont.h"

#include <shellapi.h>

#include <cmath>

#include "startup/Clock.h"
#include "startup/Session.h"
#include "startup/SessionLog.h"
#include "startup/ext.h"
#include "fontfile/SessionFont.h"
#include "res/resource.h"
#include "viewer/SampleText.h"
#include "viewer/Twips.h"
#include "viewer/ViewerSettings.h"
#include "viewer/frmAbout.h"
#include "viewer/frmFontIds.h"
#include "viewer/modRestrictSize.h"

std::int16_t gCharacterGridSize = 5;
bool gDropShadows = true;
COLORREF gTextColor = kSystemColour | COLOR_WINDOWTEXT;
COLORREF gBackColor = kSystemColour | COLOR_WINDOW;
std::int16_t gSelectedCell = 0;
bool gSoundsEnabled = false;

COLORREF ResolveColour(COLORREF colour) {
  return (colour & kSystemColour) ? GetSysColor(static_cast<int>(colour & 0xFF)) : colour;
}

namespace {
frmFont* gViewer = nullptr;

constexpr const char* kTabCaptions[6] = {"&Font Sample", "&Character Set", "I&nformation",
                                         "&Kerning",     "&Options",       "&Links"};

std::string SampleTextPath() { return gProgramFolder + "\\sample.txt"; }

std::string Now() { return DateTimeText(LocalNow()); }
}  // namespace

frmFont* ViewerForm() { return gViewer; }

frmFont::frmFont() = default;

frmFont::~frmFont() {
  if (mKeyHook) UnhookWindowsHookEx(mKeyHook);
  if (gViewer == this) gViewer = nullptr;
  if (imlIcons) ImageList_Destroy(imlIcons);
}

bool frmFont::CreateFrame() {
  // Outer size of the design; the settings replace it at load.
  if (!CreateForm("Letterloom", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
                  0, TwipsToPixelsX(800), TwipsToPixelsY(800),
                  TwipsToPixelsX(viewer_layout::kMinWidth), TwipsToPixelsY(viewer_layout::kMinHeight))) {
    return false;
  }
  mControlFont.reset(MakeFont("MS Sans Serif", 8.25, false, false));
  mBoldFont.reset(MakeFont("MS Sans Serif", 8.25, true, false));
  HFONT font = mControlFont.get();

  TabPage = CreateChild(hwnd(), WC_TABCONTROLA, "", WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP,
                        {60, 90, 5445, 5775}, font, kIdTabPage);
  if (!TabPage) return false;
  for (int i = 0; i < 6; ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kTabCaptions[i]);
    if (SendMessageA(TabPage, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item)) != i) return false;
  }
  cmdAbout = CreateChild(hwnd(), "BUTTON", "&About...", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                         {60, 6075, 1200, 380}, font, kIdAbout);
  cmdHelp = CreateChild(hwnd(), "BUTTON", "Help", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                        {1320, 6075, 1200, 380}, font, kIdHelp);
  cmdClose = CreateChild(hwnd(), "BUTTON", "Close", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                         {3180, 6060, 1200, 380}, font, kIdClose);
  StatusBar1 = CreateChild(hwnd(), STATUSCLASSNAMEA, "", WS_VISIBLE, {0, 0, 0, 270}, font,
                           kIdStatusBar);
  if (!cmdAbout || !cmdHelp || !cmdClose || !StatusBar1) return false;
  SendMessageA(StatusBar1, SB_SETMINHEIGHT, TwipsToPixelsY(270) - 2 * GetSystemMetrics(SM_CYBORDER), 0);
  SendMessageA(StatusBar1, WM_SIZE, 0, 0);

  // The pages lie over the tab strip's display area, above it in the
  // z-order; each is shown by its tab.
  for (auto& page : frmContainer) {
    if (!page.Create(hwnd(), {}, false)) return false;
    SetWindowPos(page.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  // The file-format icons: image n (1 TrueType, 2 OpenType) at index n - 1.
  imlIcons = ImageList_Create(IML_ICONS_CX, IML_ICONS_CY, ILC_COLOR24 | ILC_MASK, 2, 0);
  if (!imlIcons) return false;
  for (int n = 1; n <= 2; ++n) {
    ScopedBitmap image(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_FORMAT_BASE + n), IMAGE_BITMAP,
                   0, 0, LR_CREATEDIBSECTION)));
    if (!image || ImageList_AddMasked(imlIcons, image.get(), CLR_KEY_RED) < 0) return false;
  }
  return true;
}

bool frmFont::Load() {
  static const bool controlsReady = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                               ICC_TREEVIEW_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  if (!controlsReady || hwnd()) return false;
  mClosing = false;  // the same window object may be loaded again after a close

  WriteLog("Loading main form - " + Now());
  if (!CreateFrame() || !CreatePage1()) {
    Unload();
    return false;
  }
  gViewer = this;
  gSoundsEnabled = true;
  DragAcceptFiles(hwnd(), TRUE);

  const auto limits = viewer_layout::TrackLimitsFor(
      TwipsPerPixelX(), TwipsPerPixelY(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  gMinTrackWidth = limits.minWidth;
  gMinTrackHeight = limits.minHeight;
  gMaxTrackWidth = limits.maxWidth;
  gMaxTrackHeight = limits.maxHeight;
  if (!gExeNameDiffers) HookViewerWindow(hwnd());

  // LoadOptions: the options and the shell association (Options page) come here.
  mLinksPending = true;
  SetWindowContextHelpId(hwnd(), 3);
  // BuildCharacterGrid: the character cells (Character Set page) are built here.
  mLayoutPending.SetAll();
  WriteLog("Character set grid objects loaded.");
  // mLogFont: the logical font of the character cells is made here.
  SetChildWidth(picAlert.hwnd(), 16 * TwipsPerPixelX());
  ApplyDialogFont(hwnd(), gDialogFont, mDialogFonts);
  AutoSizePage1Labels();
  // scrSet: the character set slider is set to 65 and its change runs here.

  const ViewerSettings settings = LoadViewerSettings(gIniFile);
  SetWindowTextA(txtSample, settings.sampleText.c_str());
  SendMessageA(Slider1, TBM_SETPOS, TRUE, settings.sampleSize);
  Slider1_Change();
  mGridSize = settings.gridSize;
  SetWindowPos(hwnd(), nullptr, TwipsToPixelsX(settings.left), TwipsToPixelsY(settings.top),
               TwipsToPixelsX(settings.width), TwipsToPixelsY(settings.height),
               SWP_NOZORDER | SWP_NOACTIVATE);

  // A missing sample file keeps the text the settings gave.
  if (const auto text = ReadSampleText(SampleTextPath())) SetWindowTextA(txtSample, text->c_str());
  WriteLog("First round of form cosmetics set.");
  LoadFont(gRequestedFile);
  WriteLog("Cosmetics adjusted.");

  mCurrentPage = 1;
  gSelectedCell = 0;
  // The template cell pnlChr(0) gets the highlight colour here.
  SendMessageA(TabPage, TCM_SETCURSEL, 0, 0);
  TabPage_Click();
  mLoaded = true;
  Form_Resize();

  // Key events reach the window before the focused control.
  mKeyHook = SetWindowsHookExA(WH_GETMESSAGE, KeyPreview, nullptr, GetCurrentThreadId());
  WriteLog("Font window loaded - " + Now());
  return true;
}

void frmFont::Show() {
  if (!hwnd()) return;
  ShowWindow(hwnd(), SW_SHOW);
  UpdateWindow(hwnd());
}

RECT frmFont::TabDisplayArea() const {
  RECT area{};
  GetWindowRect(TabPage, &area);
  MapWindowPoints(HWND_DESKTOP, hwnd(), reinterpret_cast<POINT*>(&area), 2);
  SendMessageA(TabPage, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return area;
}

void frmFont::Form_Resize() {
  if (!mLoaded || mClosing) return;
  SendMessageA(StatusBar1, WM_SIZE, 0, 0);  // docked along the bottom edge
  RECT client{}, status{};
  GetClientRect(hwnd(), &client);
  GetWindowRect(StatusBar1, &status);
  // The button row is measured from the top of the status bar, so that the
  // bar never covers the buttons.
  const int usable = client.bottom - (status.bottom - status.top);
  const auto p = viewer_layout::LayoutFrame(PixelsToTwipsX(client.right), PixelsToTwipsY(usable));

  const int n = static_cast<int>(SendMessageA(TabPage, TCM_GETCURSEL, 0, 0)) + 1;
  SetChildWidth(TabPage, p.tabWidth);
  SetChildLeft(cmdClose, p.closeLeft);
  for (HWND button : {cmdAbout, cmdClose, cmdHelp}) SetChildTop(button, p.buttonTop);
  SetChildHeight(TabPage, p.tabHeight);
  const RECT area = TabDisplayArea();
  for (auto& page : frmContainer) {
    SetWindowPos(page.hwnd(), nullptr, 0, 0, area.right - area.left, area.bottom - area.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ResizePage(n);
  mLayoutPending.Resized(n);
}

void frmFont::ResizePage(int page) {
  switch (page) {
    case 1: ResizePage1(); break;
    case 2: ResizePage2(); break;
    case 3: ResizePage3(); break;
    case 4: ResizePage4(); break;
    case 5: ResizePage5(); break;
    case 6: ResizePage6(); break;
    default: break;
  }
}

void frmFont::TabPage_Click() {
  const int n = static_cast<int>(SendMessageA(TabPage, TCM_GETCURSEL, 0, 0)) + 1;
  if (n < 1 || n > 6) return;
  ShowWindow(Frame(mCurrentPage), SW_HIDE);
  if (mRebuildGrid) {
    // BuildCharacterGrid and the change of scrSet run here.
    mRebuildGrid = false;
  }
  const RECT area = TabDisplayArea();
  SetWindowPos(Frame(n), HWND_TOP, area.left, area.top, area.right - area.left,
               area.bottom - area.top, SWP_NOACTIVATE);
  mCurrentPage = static_cast<std::int16_t>(n);
  if (mLayoutPending.Pending(n)) ResizePage(n);
  if (n == 6 && mLinksPending) {
    // The link tree (Links page) is filled here, once.
    mLinksPending = false;
  }
  ShowWindow(Frame(n), SW_SHOW);
}

void frmFont::KeyUp(WPARAM key) {
  if (key == VK_F1) WinHelpA(hwnd(), gHelpFile.c_str(), HELP_FINDER, 0);
}

LRESULT CALLBACK frmFont::KeyPreview(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  frmFont* viewer = gViewer;
  if (code == HC_ACTION && wParam == PM_REMOVE && viewer && viewer->hwnd() && msg->hwnd &&
      GetAncestor(msg->hwnd, GA_ROOT) == viewer->hwnd()) {
    if (msg->message == WM_KEYUP && msg->wParam == VK_F1) {
      viewer->KeyUp(msg->wParam);
    } else if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
      // Esc presses the cancel button, wherever the focus is.
      msg->message = WM_NULL;
      PostMessageA(viewer->hwnd(), WM_COMMAND, MAKEWPARAM(kIdClose, BN_CLICKED),
                   reinterpret_cast<LPARAM>(viewer->cmdClose));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void frmFont::OnCommand(int id, HWND control) {
  switch (id) {
    case kIdAbout:
      ShowAboutBox(hwnd());
      break;
    case kIdHelp:
      WinHelpA(hwnd(), gHelpFile.c_str(), HELP_FINDER, 0);
      break;
    case kIdClose:
      Close();
      break;
    case kIdPrint:
      // The print dialog opens here.
      break;
    case kIdInstall:
      // The install dialog opens here.
      break;
    default:
      (void)control;
      break;
  }
}

void frmFont::Close() {
  if (!hwnd() || mClosing) return;
  mClosing = true;
  UnhookViewerWindow();
  const std::string sample = WindowText(txtSample);
  WriteSampleText(SampleTextPath(), sample);
  WriteLog("Font window unloaded");
  CloseLog();
  if (gFontTitle != "unknown") {
    RemoveSessionFont();
    ViewerSettings settings;
    settings.sampleText = sample;
    settings.sampleSize = static_cast<int>(SendMessageA(Slider1, TBM_GETPOS, 0, 0));
    settings.gridSize = mGridSize;
    RECT outer{};
    GetWindowRect(hwnd(), &outer);
    settings.width = static_cast<int>(std::lround(PixelsToTwipsX(outer.right - outer.left)));
    settings.height = static_cast<int>(std::lround(PixelsToTwipsY(outer.bottom - outer.top)));
    settings.top = static_cast<int>(std::lround(PixelsToTwipsY(outer.top)));
    settings.left = static_cast<int>(std::lround(PixelsToTwipsX(outer.left)));
    SaveViewerSettings(settings, gIniFile);
  }
  // The session load failed: nothing was added to GDI and the settings stay
  // as they were; either way the marker window goes with the viewer.
  UnloadMarkerWindow();
  if (mKeyHook) {
    UnhookWindowsHookEx(mKeyHook);
    mKeyHook = nullptr;
  }
  Unload();
  if (gViewer == this) gViewer = nullptr;
  PostQuitMessage(0);
}

LRESULT frmFont::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      Form_Resize();
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == TabPage && header->code == TCN_SELCHANGE) TabPage_Click();
      return 0;
    }
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == Slider1) Slider1_Change();
      return 0;
    case WM_CTLCOLOREDIT: {
      const auto control = reinterpret_cast<HWND>(lParam);
      if (control == txtSample || control == txtCommon) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ResolveColour(gTextColor));
        SetBkColor(dc, ResolveColour(gBackColor));
        if (!mBackBrush) mBackBrush.reset(CreateSolidBrush(ResolveColour(gBackColor)));
        return reinterpret_cast<LRESULT>(mBackBrush.get());
      }
      break;
    }
    case WM_CTLCOLORSTATIC: {
      // Labels are transparent over the page's face colour.
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_NCDESTROY:
      if (gViewer == this) gViewer = nullptr;
      break;
    default:
      break;
  }
  return Form::OnMessage(message, wParam, lParam);
}

bool OpenViewerWindow() {
  static frmFont viewer;
  if (!viewer.Load()) return false;
  DoEvents();
  viewer.Show();
  return true;
}
