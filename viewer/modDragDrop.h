// Files dropped on the viewer window from the shell.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

// Shows the first dropped file when the font reader takes it for a font,
// else warns and keeps the font on show. Finishes the drop.
void HandleDroppedFiles(HDROP drop);

// The full path of dropped file `index`, however long; empty when there is none.
std::string DroppedFilePath(HDROP drop, UINT index);
