#include "KeyState.h"

namespace
{

bool IsKeyDown(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

}

BOOL IsShiftDown()
{
    return IsKeyDown(VK_SHIFT);
}

BOOL IsControlDown()
{
    return IsKeyDown(VK_CONTROL);
}

BOOL IsAltDown()
{
    return IsKeyDown(VK_MENU);
}
