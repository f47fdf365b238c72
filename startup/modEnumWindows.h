// The limit on running instances, counted through their marker windows.
#pragma once

extern bool gPrintWindowFound;
extern bool gInstallWindowFound;
extern bool gLimitNoticeFound;

// Counts the marker windows into gInstanceCount and notes print, install and
// limit-notice windows. Once set, a flag stays set.
void CountRunningInstances();

// With more than 20 instances, shows the limit notice unless another refused
// instance already shows it. Returns true when this instance must end.
bool EnforceInstanceLimit();
