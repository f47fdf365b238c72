// The program's entry routine: sets up the session, reads the command line
// and runs one of the three modes (view, print, install).
#pragma once

#include <string>
#include <string_view>

enum class EntryOutcome {
  ViewerOpen,     // view mode: the viewer window is on screen and the program lives with it
  Ended,          // the run went through the end sequence
  EndedSilently,  // stopped at once: too many instances, or a print/install already on screen
};

// `commandLine` is the argument text without the program's path;
// `programFolder` the folder of the executable, where the settings, log and
// temporary files live (tests give a folder of their own).
EntryOutcome LetterloomEntry(std::string_view commandLine, const std::string& programFolder);

// The font file opened when none is named: tahoma.ttf, verdana.ttf or
// arial.ttf in the Fonts folder, else its first *.ttf file, else the folder.
std::string PickDefaultFontFile();

// Closes the marker window; the viewer does this when it unloads.
void UnloadMarkerWindow();
