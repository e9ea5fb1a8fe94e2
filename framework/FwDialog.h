// Modal dialogs over a dialog template, with data exchange between members and controls.
#pragma once

#include "FwWnd.h"

// Moves values between a dialog's members and its controls: into the controls (save FALSE) or out of them (TRUE).
class CFwDataExchange
{
public:
    CFwDataExchange(HWND dialog, BOOL save) : m_dialog(dialog), m_save(save) {}

    // Whether the values go out of the controls into the members.
    BOOL IsSaving() const { return m_save; }

    // The text of a control (a static, edit or button text).
    void Text(UINT id, std::string& value) const;

private:
    HWND m_dialog;
    bool m_save;
};

// Centres a window over a visible, not minimised owner, else over the work area, then keeps it inside the work area.
void FwCenterWindow(HWND window);

class CFwDialog : public CFwWnd
{
public:
    // The template comes from the resource module unless a module is given. Without a parent the dialog is owned
    // by FwModalOwner().
    explicit CFwDialog(UINT templateId, HWND parent = nullptr, HINSTANCE module = nullptr);
    ~CFwDialog() override;

    // Runs the dialog modally; the result of EndDialog, or -1 when the dialog cannot be created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    // Moves the members into the controls (save FALSE) or the controls into the members (save TRUE).
    BOOL UpdateData(BOOL save = TRUE);

protected:
    virtual BOOL OnInitDialog();
    // Enter (IDOK): takes the values and ends the dialog with IDOK.
    virtual void OnOK();
    // Esc, the close box (IDCANCEL): ends the dialog with IDCANCEL.
    virtual void OnCancel();
    // F1: WinHelp with the program's current help context.
    virtual void OnHelp();
    virtual void DoDataExchange(CFwDataExchange& exchange);

    UINT m_templateId;
    HWND m_parent;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_module;
};
