// Object names of the two hosts, checked before a name is used as part of a path in the host store.
#pragma once

#include <string>

namespace kvhll
{

// AS/400: 1-10 characters, the first A-Z, $, # or @, the others also 0-9 and _.
bool IsAs400Name(const std::string& name);
// System/36: 1-8 characters, the first A-Z, $, # or @, the others also 0-9.
bool IsS36Name(const std::string& name);

}  // namespace kvhll
