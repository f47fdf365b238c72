// Small helpers shared by the font-file tests.
#pragma once

#include "tests/support/LogCapture.h"
#include "tests/support/TempFolder.h"
