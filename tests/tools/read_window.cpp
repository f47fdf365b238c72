// read_window CAPTION
// Finds the visible top-level window whose caption is exactly CAPTION and
// prints the class and text of each of its descendant controls, one a line:
// "Static<TAB>DejaVu Sans". Line breaks inside a text are printed as "\n".
// Exits 0 when the window was found, 1 when it was not.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
struct Search {
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchCaption(HWND hwnd, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  if (!IsWindowVisible(hwnd)) return TRUE;
  char caption[260] = {};
  GetWindowTextA(hwnd, caption, sizeof caption);
  if (std::string(caption) != search.caption) return TRUE;
  search.found = hwnd;
  return FALSE;
}

// The text of a control: WM_GETTEXT, which edit boxes answer with their
// contents, not only their caption.
std::string TextOf(HWND hwnd) {
  const LRESULT length = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  std::string out;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

BOOL CALLBACK PrintControl(HWND hwnd, LPARAM) {
  char className[128] = {};
  GetClassNameA(hwnd, className, sizeof className);
  std::printf("%s\t%s\n", className, TextOf(hwnd).c_str());
  return TRUE;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: read_window CAPTION\n");
    return 2;
  }
  Search search{argv[1], nullptr};
  EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return 1;
  // EnumChildWindows walks every descendant, not only the direct children.
  EnumChildWindows(search.found, PrintControl, 0);
  std::fflush(stdout);
  return 0;
}
