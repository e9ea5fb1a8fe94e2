// The line printer of ZrtStart's texts.
#pragma once

#include "StarterIds.h"

#include <windows.h>

// Prints the string `id` formatted with the arguments, and a line end; the line is flushed at once, so that a
// script reading the output file sees it.
void Say(UINT id, ...);
