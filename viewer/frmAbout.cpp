#include "viewer/frmAbout.h"

#include <commctrl.h>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "res/resource.h"
#include "startup/Session.h"
#include "startup/Win32Handles.h"
#include "startup/generic32.h"
#include "viewer/MakerSite.h"
#include "viewer/Twips.h"

namespace {

constexpr int kIdTabs = 100;
constexpr int kIdFirstText = 200;

// The box in twips; the pages fill the tab control's display area.
constexpr double kWidth = 6000, kHeight = 4200;
constexpr double kMargin = 120;
constexpr double kButtonWidth = 1200, kButtonHeight = 375;

const char kDistribution[] =
    "Letterloom is freeware. You may use it free of charge, and you may give "
    "copies of it to others, provided that the program and its files are "
    "copied complete and unchanged and that no fee is asked for it beyond "
    "the cost of the medium it is copied on.";

const char kWarranty[] =
    "Letterloom is provided as is, without warranty of any kind, either "
    "expressed or implied, including but not limited to the implied "
    "warranties of merchantability and fitness for a particular purpose. "
    "The whole risk as to the quality and performance of the program is "
    "with you. In no event will Moonquarry Development be liable for any "
    "damages arising out of the use of, or the inability to use, this program.";

struct PageText {
  const char* text;
  double top, height;  // in twips, inside the page
  bool bold;
};

struct Page {
  const char* tab;
  std::vector<PageText> texts;
};

const std::array<Page, 3>& Pages() {
  static const std::array<Page, 3> pages = {{
      {"Letterloom",
       {{"Letterloom", 0, 300, true},
        {"Version 2.62 - 7/9/2001", 330, 255, false},
        {"Moonquarry Development\r\n42 Lantern Row\r\nFernhollow, XX 00000", 780, 720, false},
        {kMakerWebSite, 1560, 255, false}}},
      {"Distribution", {{kDistribution, 0, 1800, false}}},
      {"Warranty", {{kWarranty, 0, 2400, false}}},
  }};
  return pages;
}

// What one open box keeps, found through DWLP_USER and freed at WM_NCDESTROY.
struct AboutState {
  bool modal = false;
  HWND tabs = nullptr;
  std::array<std::vector<HWND>, 3> pageControls;
  ScopedFont baseFont;
  ScopedFont boldFont;
  DialogFonts dialogFonts;
};

AboutState* StateOf(HWND dialog) {
  return reinterpret_cast<AboutState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

HFONT MakeSansSerif(bool bold) {
  return CreateFontA(PointsToFontHeight(8.25), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                     FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}

HWND MakeControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
                 int w, int h, int id, HFONT font) {
  HWND control = CreateWindowExA(0, className, text, WS_CHILD | style, x, y, w, h, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  if (control && font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void ShowPage(AboutState& state, int index) {
  for (int page = 0; page < static_cast<int>(state.pageControls.size()); ++page) {
    for (HWND control : state.pageControls[page]) {
      ShowWindow(control, page == index ? SW_SHOWNA : SW_HIDE);
    }
  }
}

LRESULT CALLBACK TabsProcedure(HWND tabs, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR id, DWORD_PTR) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    case WM_NCDESTROY:
      RemoveWindowSubclass(tabs, TabsProcedure, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(tabs, message, wParam, lParam);
}

bool BuildBox(HWND dialog, AboutState& state) {
  SetWindowPos(dialog, nullptr, 0, 0, TwipsToPixelsX(kWidth), TwipsToPixelsY(kHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{};
  GetClientRect(dialog, &client);
  const int margin = TwipsToPixelsX(kMargin);
  const int buttonW = TwipsToPixelsX(kButtonWidth);
  const int buttonH = TwipsToPixelsY(kButtonHeight);

  state.baseFont.reset(MakeSansSerif(false));
  state.boldFont.reset(MakeSansSerif(true));
  HFONT base = state.baseFont.get();

  const int tabsBottom = client.bottom - 2 * margin - buttonH;
  state.tabs = MakeControl(dialog, WC_TABCONTROLA, "", WS_VISIBLE | WS_TABSTOP,
                           margin, margin, client.right - 2 * margin, tabsBottom - margin,
                           kIdTabs, base);
  HWND ok = MakeControl(dialog, "BUTTON", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                        (client.right - buttonW) / 2, client.bottom - margin - buttonH, buttonW,
                        buttonH, IDOK, base);
  if (!state.tabs || !ok) return false;

  const auto& pages = Pages();
  for (int index = 0; index < static_cast<int>(pages.size()); ++index) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(pages[index].tab);
    if (SendMessageA(state.tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item)) < 0) {
      return false;
    }
  }

  // The texts are children of the tab control, so it paints its page
  // beneath them first; they draw their text on it without a background.
  if (!SetWindowSubclass(state.tabs, TabsProcedure, 0, 0)) return false;
  RECT area{};
  GetClientRect(state.tabs, &area);
  SendMessageA(state.tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  const int left = area.left + margin;
  const int width = area.right - area.left - 2 * margin;
  int id = kIdFirstText;
  for (int index = 0; index < static_cast<int>(pages.size()); ++index) {
    for (const PageText& text : pages[index].texts) {
      HWND label = MakeControl(state.tabs, "STATIC", text.text, SS_LEFT | SS_NOPREFIX, left,
                               area.top + margin + TwipsToPixelsY(text.top), width,
                               TwipsToPixelsY(text.height), id++,
                               text.bold ? state.boldFont.get() : base);
      if (!label) return false;
      state.pageControls[index].push_back(label);
    }
  }
  ShowPage(state, 0);

  ApplyDialogFont(dialog, gDialogFont, state.dialogFonts);
  CenterForm(dialog);
  return true;
}

void CloseBox(HWND dialog) {
  AboutState* state = StateOf(dialog);
  if (state && state->modal) {
    EndDialog(dialog, IDOK);
  } else {
    DestroyWindow(dialog);
  }
}

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* state = new AboutState;
      state->modal = lParam != 0;
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
      if (!BuildBox(dialog, *state)) {
        CloseBox(dialog);
        return FALSE;
      }
      return TRUE;  // the focus goes to the first tab stop
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      AboutState* state = StateOf(dialog);
      if (state && header->idFrom == kIdTabs && header->code == TCN_SELCHANGE) {
        ShowPage(*state, static_cast<int>(SendMessageA(state->tabs, TCM_GETCURSEL, 0, 0)));
      }
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        CloseBox(dialog);
        return TRUE;
      }
      return FALSE;
    case WM_NCDESTROY:
      delete StateOf(dialog);
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

// A dialog template with no items: the controls are made at WM_INITDIALOG,
// in pixels from the layout in twips. DLGTEMPLATE is followed by the menu,
// class and title arrays, each an empty WORD string here.
struct EmptyTemplate {
  DLGTEMPLATE header;
  WORD menu, windowClass;
  wchar_t title[sizeof "About Letterloom"];
};

static_assert(offsetof(EmptyTemplate, menu) == 18, "the arrays follow DLGTEMPLATE unpadded");

const DLGTEMPLATE* Template() {
  static const EmptyTemplate box = [] {
    EmptyTemplate t{};
    t.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t.header.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    const char caption[] = "About Letterloom";
    for (std::size_t i = 0; i < sizeof caption; ++i) t.title[i] = caption[i];
    return t;
  }();
  return &box.header;
}

bool InitTabClass() {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES};
  return InitCommonControlsEx(&init) != FALSE;
}

}  // namespace

void ShowAboutBox(HWND owner) {
  if (!InitTabClass()) return;
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), Template(), owner, AboutProcedure, 1);
}

HWND CreateAboutBox(HWND owner) {
  if (!InitTabClass()) return nullptr;
  return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), Template(), owner, AboutProcedure,
                                    0);
}
