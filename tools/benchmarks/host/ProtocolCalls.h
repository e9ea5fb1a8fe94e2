// The HLLAPI calls that one screen of data needs under the host transfer protocol, by function: the sequence the
// AS/400 and System/36 data sources follow for every data buffer once the transfer runs.
#pragma once

#include <vector>

struct ScreenCall
{
    int function;
    int calls;
};

enum class ScreenKind
{
    TextRead,   // host to PC, text mode
    TextWrite,  // PC to host, text mode
};

const std::vector<ScreenCall>& ProtocolScreenCalls(ScreenKind kind);
int ProtocolCallsPerScreen(ScreenKind kind);
const char* HllapiFunctionName(int function);
