#include "FwControls.h"

#include "FwModule.h"

#include <commctrl.h>

namespace
{
const char kAviType[] = "AVI";
}

BOOL CFwAnimateCtrl::Open(UINT id) const
{
    HINSTANCE module = FwFindResourceModule(kAviType, id);
    return static_cast<BOOL>(SendMessageA(m_control, ACM_OPENA, reinterpret_cast<WPARAM>(module),
                                          reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(id))));
}

BOOL CFwAnimateCtrl::Play(int from, int to, int repeat) const
{
    return static_cast<BOOL>(SendMessageA(m_control, ACM_PLAY, static_cast<WPARAM>(repeat),
                                          MAKELPARAM(static_cast<WORD>(from), static_cast<WORD>(to))));
}

BOOL CFwAnimateCtrl::Close() const
{
    return static_cast<BOOL>(SendMessageA(m_control, ACM_OPENA, 0, 0));
}

HICON FwLoadIcon(UINT id, int size)
{
    return static_cast<HICON>(LoadImageA(FwFindResourceModule(RT_GROUP_ICON, id), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         size, size, size ? 0 : LR_DEFAULTSIZE));
}

void FwSetStaticIcon(HWND control, HICON icon)
{
    SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}
