#include "FwPropertySheet.h"

#include "FwControls.h"
#include "FwModule.h"
#include "FwResourceIds.h"

#include <commctrl.h>

namespace
{
// The sheet that DoModal runs, for the callback that attaches it to its window.
thread_local CFwPropertySheet* t_startingSheet = nullptr;
}

CFwPropertyPage::CFwPropertyPage(UINT templateId) : m_templateId(templateId)
{
}

CFwPropertyPage::~CFwPropertyPage()
{
    if (m_hWnd)
    {
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        DetachHandle();
    }
}

BOOL CFwPropertyPage::IsActivePage() const
{
    return m_sheet && m_sheet->GetActivePage() == this;
}

void CFwPropertyPage::OnHelp()
{
    FwWinHelp(HELP_CONTEXT, static_cast<ULONG_PTR>(FwGetHelpContext()));
}

INT_PTR CALLBACK CFwPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CFwPropertyPage* page;
    if (message == WM_INITDIALOG)
    {
        page = reinterpret_cast<CFwPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->AttachHandle(window);
    }
    else
    {
        page = reinterpret_cast<CFwPropertyPage*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!page)
    {
        return FALSE;
    }
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        page->DetachHandle();
        return FALSE;
    }
    try
    {
        return page->HandlePageMessage(message, wParam, lParam);
    }
    catch (...)
    {
        return FALSE;
    }
}

INT_PTR CFwPropertyPage::HandlePageMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        return OnInitDialog();
    }
    if (message == WM_NOTIFY)
    {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        LONG_PTR result = 0;
        bool handled = true;
        switch (header->code)
        {
        case PSN_SETACTIVE:
            result = OnSetActive() ? 0 : -1;
            break;
        case PSN_KILLACTIVE:
            result = FALSE;
            break;
        case PSN_APPLY:
            result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
            break;
        case PSN_HELP:
            OnHelp();
            break;
        case PSN_WIZNEXT:
            result = OnWizardNext();
            break;
        case PSN_WIZBACK:
            result = OnWizardBack();
            break;
        case PSN_WIZFINISH:
            if (OnWizardFinish())
            {
                m_sheet->m_finished = true;
            }
            else
            {
                result = TRUE;
            }
            break;
        default:
            handled = false;
            break;
        }
        if (handled)
        {
            SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, &result) || DispatchMessageMap(message, wParam, lParam, &result))
    {
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    return FALSE;
}

CFwPropertySheet::CFwPropertySheet(UINT captionId, HWND parent) : m_captionId(captionId), m_parent(parent)
{
}

void CFwPropertySheet::AddPage(CFwPropertyPage* page)
{
    page->m_sheet = this;
    m_pages.push_back(page);
}

void CFwPropertySheet::SetOptions(DWORD flags, UINT iconId)
{
    m_flags = flags;
    m_iconId = iconId;
}

INT_PTR CFwPropertySheet::DoModal()
{
    std::vector<PROPSHEETPAGEA> pages;
    for (CFwPropertyPage* page : m_pages)
    {
        PROPSHEETPAGEA item{};
        item.dwSize = sizeof(item);
        item.dwFlags = PSP_DEFAULT | ((m_flags & PSH_HASHELP) ? PSP_HASHELP : 0) | (m_pageTitleId ? PSP_USETITLE : 0);
        // By resource id, never from a template in memory: a wizard page's Next and Back name the page to go to
        // by this id.
        item.hInstance = FwFindResourceModule(RT_DIALOG, page->GetTemplateId());
        item.pszTemplate = MAKEINTRESOURCEA(page->GetTemplateId());
        item.pszTitle = MAKEINTRESOURCEA(m_pageTitleId);
        item.pfnDlgProc = &CFwPropertyPage::PageProc;
        item.lParam = reinterpret_cast<LPARAM>(page);
        pages.push_back(item);
    }
    std::string caption = FwLoadString(m_captionId);
    if (m_iconId)
    {
        m_icon = FwLoadIcon(m_iconId);
        m_smallIcon = FwLoadIcon(m_iconId, GetSystemMetrics(SM_CXSMICON));
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | m_flags | (m_icon ? PSH_USEHICON : 0);
    header.hwndParent = m_parent ? m_parent : FwModalOwner();
    header.hInstance = FwGetResourceModule();
    header.hIcon = m_icon;
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    header.pfnCallback = &CFwPropertySheet::SheetCallback;
    t_startingSheet = this;
    m_finished = false;
    INT_PTR result = PropertySheetA(&header);
    t_startingSheet = nullptr;
    if (m_hWnd)
    {
        UnsubclassWindow();
    }
    for (HICON icon : {m_icon, m_smallIcon})
    {
        if (icon)
        {
            DestroyIcon(icon);
        }
    }
    m_icon = m_smallIcon = nullptr;
    if (m_flags & PSH_WIZARD)
    {
        return m_finished ? ID_WIZFINISH : IDCANCEL;
    }
    return result > 0 ? IDOK : IDCANCEL;
}

void CFwPropertySheet::SetWizardButtons(DWORD buttons) const
{
    PostMessageA(m_hWnd, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons));
}

int CALLBACK CFwPropertySheet::SheetCallback(HWND window, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && t_startingSheet)
    {
        CFwPropertySheet* sheet = t_startingSheet;
        sheet->SubclassWindow(window);
        if (sheet->m_flags & PSH_WIZARD)
        {
            // A wizard's window keeps the caption of its own template unless it is given the sheet's.
            ::SetWindowTextA(window, FwLoadString(sheet->m_captionId).c_str());
        }
        if (sheet->m_smallIcon)
        {
            SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(sheet->m_smallIcon));
        }
    }
    return 0;
}

CFwPropertyPage* CFwPropertySheet::GetActivePage() const
{
    if (!m_hWnd)
    {
        return nullptr;
    }
    HWND current = reinterpret_cast<HWND>(SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    for (CFwPropertyPage* page : m_pages)
    {
        if (page->GetSafeHwnd() == current)
        {
            return page;
        }
    }
    return nullptr;
}

void CFwPropertySheet::PressOk() const
{
    PostMessageA(m_hWnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
}
