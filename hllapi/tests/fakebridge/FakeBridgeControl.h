// Control entries of the scripted fake bridge (a KVHLL32.DLL for the session layer's tests). The tests load the
// same DLL as the layer and steer it through these entries.
#pragma once

#include <windows.h>

// Back to the start: one AS/400-like display session A (1920), every function answering 0, the host answering each
// Enter or PF key with one Query Host Update reply 23 carrying 0x100 and 0x200, a blank screen, cursor at 1.
typedef void(WINAPI* FakeBridgeResetProc)();
// From the (after + 1)th call on, the function returns rc (and does nothing else).
typedef void(WINAPI* FakeBridgeForceProc)(int function, int rc, int after);
// Query Host Update replies for the next key, "rc:flags,rc:flags..." (flags in hexadecimal).
typedef void(WINAPI* FakeBridgeScriptProc)(const char* replies);
// 0: keys are never answered (the event stays unsignalled). 2: every Query Host Update answers 22 and signals again.
typedef void(WINAPI* FakeBridgeAnswerProc)(int mode);
typedef void(WINAPI* FakeBridgeSetOiaProc)(int index, int value);
typedef void(WINAPI* FakeBridgePutProc)(int row, int column, const char* text);
typedef void(WINAPI* FakeBridgeSetCursorProc)(int position);
// When the host answers the aidKey-th Enter or PF key (from 1), the text appears at the position first.
typedef void(WINAPI* FakeBridgeOnKeyProc)(int aidKey, int row, int column, const char* text);
// Sessions as "AH1920 BP0 ..." (letter, type, size); replaces the list.
typedef void(WINAPI* FakeBridgeSessionsProc)(const char* sessions);
typedef void(WINAPI* FakeBridgeStatusProc)(char session, int status);
// Start Host Notification leaves this value in bytes 8-11 instead of its event's handle (0: its event again).
typedef void(WINAPI* FakeBridgeEventValueProc)(LONG value);
// The calls so far, "fn" or "fn:text" for Send Key and Copy String to Presentation Space, separated by blanks.
typedef int(WINAPI* FakeBridgeLogProc)(char* text, int size);
