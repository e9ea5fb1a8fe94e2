// The readers of each area, made by name (null for a name of another area).
#pragma once

#include "HostileInput.h"

std::unique_ptr<HostileReader> MakePcFileReader(const std::string& name);
std::unique_ptr<HostileReader> MakeProfileReader(const std::string& name);
std::unique_ptr<HostileReader> MakeListOrDescrReader(const std::string& name);
std::unique_ptr<HostileReader> MakeHostReader(const std::string& name);
