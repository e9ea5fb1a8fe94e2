// Whether a modifier key is held down now.
#pragma once

#include <windows.h>

BOOL IsShiftDown();
BOOL IsControlDown();
BOOL IsAltDown();
