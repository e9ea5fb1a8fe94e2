// Copies of parameter values to and from the caller's untyped buffers (which need not be aligned).
#pragma once

#include <windows.h>
#include <cstring>

inline BOOL CopyIntOut(int value, void* destination)
{
    memcpy(destination, &value, sizeof value);
    return TRUE;
}

inline BOOL CopyIntIn(int* field, const void* source)
{
    memcpy(field, source, sizeof *field);
    return TRUE;
}

// The caller's buffer holds at least the value's size (string length + 1).
inline BOOL CopyTextOut(const char* text, void* destination)
{
    strcpy(static_cast<char*>(destination), text);
    return TRUE;
}
