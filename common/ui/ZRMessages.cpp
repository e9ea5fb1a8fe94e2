#include "ZRMessages.h"

#include "FwModule.h"
#include "VersionLibrary.h"
#include "ZRResourceIds.h"

namespace
{
// Owner of a box: the innermost modal window over the main window, brought to the foreground (a minimised main window is
// restored first); none without a main window.
HWND PrepareOwner()
{
    HWND main = FwGetMainWindow();
    if (!main || !IsWindow(main))
    {
        return nullptr;
    }
    if (IsIconic(main))
    {
        ShowWindow(main, SW_RESTORE);
    }
    HWND owner = FwModalOwner();
    SetForegroundWindow(owner);
    return owner;
}

std::string Caption()
{
    if (CVersionLibrary* library = GetVersionLibrary())
    {
        return library->GetShortProductName();
    }
    return FwLoadString(IDS_ZR_PRODUCT_LONG_NAME);
}

int ShowBox(const std::string& text, UINT style)
{
    HWND owner = PrepareOwner();
    return MessageBoxA(owner, text.c_str(), Caption().c_str(), style | MB_SETFOREGROUND);
}

UINT MessageStyle(int kind)
{
    switch (kind)
    {
    case ZRMSG_WARNING:
        return MB_ICONEXCLAMATION;
    case ZRMSG_INFORMATION:
        return MB_ICONASTERISK;
    default:
        return MB_ICONHAND;
    }
}

UINT QuestionStyle(int kind)
{
    return MB_YESNO | MB_ICONQUESTION | (kind == ZRQUESTION_NO_DEFAULT ? MB_DEFBUTTON2 : 0);
}

std::string LoadText(UINT id)
{
    std::string text;
    LoadResourceText(id, text);
    return text;
}
}

BOOL LoadResourceText(UINT id, std::string& text)
{
    char buffer[256];
    HINSTANCE module = FwGetResourceModule();
    int length = LoadStringA(module, id, buffer, sizeof(buffer));
    if (length <= 0 && module != FwGetProgramModule())
    {
        length = LoadStringA(FwGetProgramModule(), id, buffer, sizeof(buffer));
    }
    text.assign(buffer, length > 0 ? static_cast<size_t>(length) : 0);
    return length > 0;
}

int ShowMessageText(const std::string& text, int, int kind)
{
    return ShowBox(text, MessageStyle(kind));
}

int ShowMessage(UINT id, const char* text, int mode, int kind)
{
    std::string format = LoadText(id);
    return ShowMessageText(text ? FwFormatArgs(format, {text}) : format, mode, kind);
}

int ShowMessage(UINT id, int number, int mode, int kind)
{
    return ShowMessageText(FwFormatArgs(LoadText(id), {number}), mode, kind);
}

int ShowMessage(UINT id, const CFwFormatArg& first, const CFwFormatArg& second, int mode, int kind)
{
    return ShowMessageText(FwFormatArgs(LoadText(id), {first, second}), mode, kind);
}

int ShowMessage(UINT id, const CFwFormatArg& first, const CFwFormatArg& second, const CFwFormatArg& third, int mode,
                int kind)
{
    return ShowMessageText(FwFormatArgs(LoadText(id), {first, second, third}), mode, kind);
}

int AskQuestion(UINT id, const char* text, int kind)
{
    std::string format = LoadText(id);
    return ShowBox(text ? FwFormatArgs(format, {text}) : format, QuestionStyle(kind));
}

int AskQuestion(UINT id, const CFwFormatArg& argument, int kind)
{
    return ShowBox(FwFormatArgs(LoadText(id), {argument}), QuestionStyle(kind));
}

int AskQuestion(UINT id, const CFwFormatArg& first, const CFwFormatArg& second, int kind)
{
    return ShowBox(FwFormatArgs(LoadText(id), {first, second}), QuestionStyle(kind));
}

BOOL PostMainWindowMessage(WPARAM wParam, LPARAM lParam)
{
    return PostMessageA(FwGetMainWindow(), WM_ZR_MAIN_WINDOW, wParam, lParam);
}
