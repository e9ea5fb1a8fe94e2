// Process-wide state of a program built on the framework: its main window, the module its own resources come from,
// the module that user-interface resources are loaded from (a language library may replace the program there), and
// the help file with the current help context.
#pragma once

#include <windows.h>
#include <string>

// The program's main window, or null while it has none.
HWND FwGetMainWindow();
void FwSetMainWindow(HWND window);

// The program file's own module (the executable, or the module a test names).
HINSTANCE FwGetProgramModule();
void FwSetProgramModule(HINSTANCE module);

// The module that dialogs, strings, icons, bitmaps and animations are loaded from; the program module unless a
// resource library was loaded in its place.
HINSTANCE FwGetResourceModule();
void FwSetResourceModule(HINSTANCE module);

// Help file and the help context used when the user asks for help (F1).
void FwSetHelpFile(const std::string& path);
const std::string& FwGetHelpFile();
int FwGetHelpContext();
void FwSetHelpContext(int context);

// Owner of a modal dialog, sheet or box that names none: the innermost modal dialog that this thread shows (such as a
// start-up sheet), else the main window, else the thread's active window, else none. Running modally disables the
// owner. Found without asking which window was last active: a program in the background has no active window.
HWND FwModalOwner();

// WinHelp on the help file, owned by the main window (or the active window when there is no main window).
BOOL FwWinHelp(UINT command, ULONG_PTR data);

// String `id` of `module`; an empty text when the module has no such string.
std::string FwLoadString(HINSTANCE module, UINT id);
// String `id` of the resource module, falling back to the program module when a resource library lacks it.
std::string FwLoadString(UINT id);
// Module that holds resource `id` of `type`: the resource module when it has it, else the program module.
HINSTANCE FwFindResourceModule(LPCSTR type, UINT id);
