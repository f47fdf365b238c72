#include "fontfile/ValidateFontFile.h"

#include <windows.h>

#include "fontfile/cTrueTypeInfo.h"
#include "startup/LogLine.h"
#include "startup/MessageBox.h"
#include "startup/TextRules.h"
#include "startup/generic32.h"

bool ValidateFontFile(const std::string& path) {
  if (Trim(path).empty()) {
    // The same words in every mode: most requests without a file come from Explorer's Print verb.
    ShowMessage("Please specify a TrueType file to print!\r\rCheck your command line parameters and "
                "try again.",
                MB_OK | MB_ICONERROR);
    WriteLog("No font file specified.");
    return false;
  }
  if (!PathExists(path)) {
    ShowMessage(path + "\r\rThis file does not exist!", MB_OK | MB_ICONWARNING);
    WriteLog("Font file does not exist.");
    return false;
  }
  cTrueTypeInfo reader;
  reader.SetTrueTypeFile(path);
  if (reader.FileFormat() != cTrueTypeInfo::kNotAFont) return true;
  ShowMessage(path + "\r\rThis does not appear to be a TrueType or OpenType font file!",
              MB_OK | MB_ICONWARNING);
  WriteLog("Not a font file.");
  return false;
}
