// CMainFrame: Zrtdesk's main window: menu, toolbar, the commands of the File, Tools and Help menus, and Run.
#pragma once

#include "FwFrameWnd.h"

class CMainFrame : public CFwFrameWnd
{
    FW_DECLARE_MESSAGE_MAP()

protected:
    // No sizing frame and no maximise box.
    void PreCreateWindow(DWORD& style, DWORD& exStyle) override;
    BOOL OnCreateFrame() override;

private:
    LRESULT OnFileNew(WPARAM wParam, LPARAM lParam);
    LRESULT OnRun(WPARAM wParam, LPARAM lParam);
    LRESULT OnUpdateRun(WPARAM wParam, LPARAM lParam);
    LRESULT OnImport(WPARAM wParam, LPARAM lParam);
    LRESULT OnCreateIcon(WPARAM wParam, LPARAM lParam);
    // Copies the profile's (or list's) modified flag into the document's; TRUE when the document is saved in a file.
    bool IsDocumentSaved(CFwDocument& document) const;
    LRESULT OnUpdateCreateIcon(WPARAM wParam, LPARAM lParam);
    LRESULT OnOptions(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpContents(WPARAM wParam, LPARAM lParam);
};

// Whether the open profile names everything a transfer needs: the Run command's condition.
bool CanRunCurrentProfile();
