// The simulated hosts' own messages (the string table of KVHLL32.dll), with "%s" filled in order.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "HostTextIds.h"

namespace kvhll
{

void SetTextModule(HMODULE module);
std::string HostText(unsigned id, std::initializer_list<std::string> arguments = {});

}  // namespace kvhll
