#include "viewer/ViewerSettings.h"

#include "startup/TextRules.h"
#include "startup/generic32.h"
#include "viewer/SampleText.h"
#include "viewer/ViewerLayout.h"

namespace {
constexpr char kSection[] = "letloom";
}

ViewerSettings LoadViewerSettings(const std::string& iniFile) {
  using namespace viewer_layout;
  ViewerSettings s;
  s.sampleText = ReadIniString(kSection, "SampleText", "", iniFile);
  s.sampleSize = SliderValueFromSetting(ReadIniInt(kSection, "SampleSize", 18, iniFile));
  s.gridSize = SliderValueFromSetting(ReadIniInt(kSection, "GridSize", 18, iniFile));
  s.width = WindowWidthFromSetting(ReadIniInt(kSection, "Width", kMinWidth, iniFile));
  s.height = WindowHeightFromSetting(ReadIniInt(kSection, "Height", kMinHeight, iniFile));
  s.top = ReadIniInt(kSection, "Top", 800, iniFile);
  s.left = ReadIniInt(kSection, "Left", 800, iniFile);
  return s;
}

void SaveViewerSettings(const ViewerSettings& s, const std::string& iniFile) {
  WriteIniString(kSection, "SampleText", OneSettingsLine(s.sampleText), iniFile);
  WriteIniString(kSection, "SampleSize", NumberText(s.sampleSize), iniFile);
  WriteIniString(kSection, "GridSize", NumberText(s.gridSize), iniFile);
  WriteIniString(kSection, "Width", NumberText(s.width), iniFile);
  WriteIniString(kSection, "Height", NumberText(s.height), iniFile);
  WriteIniString(kSection, "Top", NumberText(s.top), iniFile);
  WriteIniString(kSection, "Left", NumberText(s.left), iniFile);
}
