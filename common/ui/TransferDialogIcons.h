// The icons of the programs' transfer dialogs: the dialog's own icon, which a minimised dialog draws in its client
// area, and the pictures of the transfer's source and destination systems.
#pragma once

#include "OwnedHandles.h"

#include <windows.h>

class CDialogIcon
{
public:
    // Icon `id` of the resource module, at the large and the small icon size.
    explicit CDialogIcon(UINT id);

    // Makes the icon the dialog's large and small icon.
    void Apply(HWND dialog) const;
    // WM_PAINT: a minimised dialog draws the icon centred in its client area; false when it is not minimised.
    bool PaintMinimized(HWND dialog) const;
    // What WM_QUERYDRAGICON returns.
    LRESULT DragIcon() const { return reinterpret_cast<LRESULT>(m_large.Get()); }

private:
    OwnedIcon m_large;
    OwnedIcon m_small;
};

class CDirectionPictures
{
public:
    CDirectionPictures(UINT hostLeftIcon, UINT pcIcon, UINT hostRightIcon);

    // From host to PC: the host facing right, then the PC; from PC to host: the PC, then the host facing left.
    void Show(HWND sourcePicture, HWND destinationPicture, bool hostToPc) const;

private:
    OwnedIcon m_hostLeft;
    OwnedIcon m_pc;
    OwnedIcon m_hostRight;
};
