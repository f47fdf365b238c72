#include "viewer/modDragDrop.h"

#include "fontfile/cTrueTypeInfo.h"
#include "startup/Form.h"
#include "startup/MessageBox.h"
#include "startup/TextRules.h"
#include "startup/frmMessage.h"
#include "startup/generic32.h"
#include "startup/LogLine.h"
#include "viewer/frmFont.h"

std::string DroppedFilePath(HDROP drop, UINT index) {
  const UINT length = DragQueryFileA(drop, index, nullptr, 0);
  if (length == 0) return {};
  std::string path(length + 1, '\0');
  const UINT got = DragQueryFileA(drop, index, path.data(), length + 1);
  path.resize(got <= length ? got : length);
  return path;
}

namespace {
// The hourglass for as long as a drop is being handled.
class WaitCursor {
 public:
  WaitCursor() : old_(SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)))) {}  // IDC_WAIT
  ~WaitCursor() { SetCursor(old_ ? old_ : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR old_;
};
}  // namespace

void HandleDroppedFiles(HDROP drop) {
  WaitCursor wait;
  std::string path = DroppedFilePath(drop, 0);  // the others are ignored
  const std::string name = FileNamePart(path);

  frmMessage status;
  status.Load();
  status.SetMessage("Loading " + LowerCase(name));
  status.Show();
  DoEvents();  // so the status window is painted

  cTrueTypeInfo reader;
  reader.SetTrueTypeFile(path);
  if (reader.FileFormat() != cTrueTypeInfo::kNotAFont) {
    if (frmFont* viewer = ViewerForm()) viewer->LoadFont(path);
    // The character cells are repainted here once the character grid exists.
  } else {
    ShowMessage(path + "\r\rThis does not appear to be a TrueType or OpenType font file!",
                MB_OK | MB_ICONWARNING);
    WriteLog("Not a font file.");
  }
  DragFinish(drop);
  status.Unload();
}
