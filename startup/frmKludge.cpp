#include "startup/frmKludge.h"

#include "startup/InstanceRules.h"

bool frmKludge::Load() {
  // Never shown; a tool window keeps it out of the task bar should anything show it.
  return CreateForm(kMarkerCaption, WS_OVERLAPPED, WS_EX_TOOLWINDOW, 0, 0, 0, 0);
}
