// The viewer's settings in section "letloom" of the settings file: the
// sample text, the two point sizes and the window's place, read when the
// viewer loads and written when it closes.
#pragma once

#include <string>

struct ViewerSettings {
  std::string sampleText;
  int sampleSize = 18;  // Slider1
  int gridSize = 18;    // Slider2
  int width = 5400;     // outer size and place of the window, twips
  int height = 8000;
  int top = 800;
  int left = 800;
};

// Missing keys give the defaults; a size below the window's minimum gives
// the minimum, and point sizes are kept to the sliders' range.
ViewerSettings LoadViewerSettings(const std::string& iniFile);

// Writes the seven keys, all but the sample text as number text. The sample
// text goes in as one line (line breaks as blanks).
void SaveViewerSettings(const ViewerSettings& settings, const std::string& iniFile);
