// The module of the server, for its own resources.
#pragma once

#include <windows.h>

HMODULE ServerModuleHandle();
