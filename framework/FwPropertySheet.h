// Modal property sheets and their pages over dialog templates.
#pragma once

#include "FwWnd.h"

#include <prsht.h>

#include <string>
#include <vector>

class CFwPropertySheet;

class CFwPropertyPage : public CFwWnd
{
public:
    // The template comes from the resource module; its caption is the tab's text.
    explicit CFwPropertyPage(UINT templateId);
    ~CFwPropertyPage() override;

    UINT GetTemplateId() const { return m_templateId; }
    CFwPropertySheet* GetSheet() const { return m_sheet; }
    // Whether this page is the one the sheet shows.
    BOOL IsActivePage() const;

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    // The page becomes the shown page; FALSE refuses.
    virtual BOOL OnSetActive() { return TRUE; }
    // OK: TRUE lets the sheet close, FALSE keeps it open on this page.
    virtual BOOL OnApply() { return TRUE; }
    // The Help button.
    virtual void OnHelp();
    // Wizard buttons: the page to go to, as its template id; 0 the neighbour in sheet order; -1 stay.
    virtual LRESULT OnWizardNext() { return 0; }
    virtual LRESULT OnWizardBack() { return 0; }
    // Finish: TRUE lets the sheet end with ID_WIZFINISH, FALSE keeps it open.
    virtual BOOL OnWizardFinish() { return TRUE; }

private:
    friend class CFwPropertySheet;

    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandlePageMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    CFwPropertySheet* m_sheet = nullptr;
};

class CFwPropertySheet : public CFwWnd
{
public:
    // The caption is string `captionId` of the resource module.
    CFwPropertySheet(UINT captionId, HWND parent);

    // The pages belong to the caller and must live as long as the sheet runs.
    void AddPage(CFwPropertyPage* page);
    // Sheet options: PSH_NOAPPLYNOW, PSH_HASHELP, PSH_WIZARD; the sheet's icon (big and small) when `iconId` is
    // not 0.
    void SetOptions(DWORD flags, UINT iconId);
    // Every page shows string `captionId` of the resource module as its title (the caption of a wizard).
    void SetPageTitle(UINT captionId) { m_pageTitleId = captionId; }
    // The buttons of a wizard (PSWIZB_BACK, PSWIZB_NEXT, PSWIZB_FINISH), set once the current message is handled.
    void SetWizardButtons(DWORD buttons) const;

    // Runs the sheet modally, owned by the parent or else by FwModalOwner(), which stays disabled meanwhile.
    // A wizard gives ID_WIZFINISH when it ended with Finish; a sheet IDOK when it ended with OK; else IDCANCEL.
    INT_PTR DoModal();
    CFwPropertyPage* GetActivePage() const;
    // Presses OK, as the OK button does.
    void PressOk() const;

private:
    friend class CFwPropertyPage;

    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);

    UINT m_captionId;
    UINT m_pageTitleId = 0;
    bool m_finished = false;
    HWND m_parent;
    DWORD m_flags = 0;
    UINT m_iconId = 0;
    HICON m_icon = nullptr;
    HICON m_smallIcon = nullptr;
    std::vector<CFwPropertyPage*> m_pages;
};
