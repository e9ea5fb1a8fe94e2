#include "TransferDialogIcons.h"

#include "FwControls.h"

CDialogIcon::CDialogIcon(UINT id) : m_large(FwLoadIcon(id)), m_small(FwLoadIcon(id, GetSystemMetrics(SM_CXSMICON)))
{
}

void CDialogIcon::Apply(HWND dialog) const
{
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_large.Get()));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_small.Get()));
}

bool CDialogIcon::PaintMinimized(HWND dialog) const
{
    if (!IsIconic(dialog))
    {
        return false;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    SendMessageA(dialog, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(dialog, &client);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_large.Get());
    EndPaint(dialog, &paint);
    return true;
}

CDirectionPictures::CDirectionPictures(UINT hostLeftIcon, UINT pcIcon, UINT hostRightIcon)
    : m_hostLeft(FwLoadIcon(hostLeftIcon)), m_pc(FwLoadIcon(pcIcon)), m_hostRight(FwLoadIcon(hostRightIcon))
{
}

void CDirectionPictures::Show(HWND sourcePicture, HWND destinationPicture, bool hostToPc) const
{
    FwSetStaticIcon(sourcePicture, hostToPc ? m_hostRight.Get() : m_pc.Get());
    FwSetStaticIcon(destinationPicture, hostToPc ? m_pc.Get() : m_hostLeft.Get());
}
