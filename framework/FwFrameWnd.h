// The main frame of a single-document program: menu, accelerators, one toolbar with tool tips, a status bar and the
// view; it routes commands (view, document, frame, application) and enables menu items and toolbar buttons by the
// commands' update handlers.
#pragma once

#include "FwWnd.h"

#include <span>
#include <string>

class CFwDocTemplate;
class CFwDocument;
class CFwView;

// One toolbar button: its command and the index of its image in the toolbar bitmap; command 0 is a gap.
struct FwToolBarButton
{
    UINT command;
    int image;
};

class CFwFrameWnd : public CFwWnd
{
    FW_DECLARE_MESSAGE_MAP()

public:
    CFwFrameWnd() = default;

    // Creates the hidden frame with menu, accelerators and icon of `resourceId`.
    BOOL LoadFrame(UINT resourceId, CFwDocTemplate* docTemplate);
    // Makes `view` the frame's client, showing `document`.
    BOOL CreateView(CFwView* view, CFwDocument* document);
    CFwView* GetActiveView() const { return m_view; }
    CFwDocument* GetActiveDocument() const;
    HWND GetToolBar() const { return m_toolBar; }
    HWND GetStatusBar() const { return m_statusBar; }

    // Places toolbar, status bar and view in the client area.
    void RecalcLayout();
    // Makes the client area large enough for `size` below the toolbar and above the status bar.
    void ResizeClientFor(SIZE size);
    // "<document title> - <program title>", or the program title alone without a document.
    virtual void OnUpdateFrameTitle();
    // Runs after every New and Open: the view's initial update, then the frame shows when it is visible already.
    void InitialUpdateFrame();

    // The command's route: view (and its document), frame, application.
    BOOL OnCmdMsg(UINT id, UINT code, CFwCmdUI* ui) override;
    // Whether a command is enabled: its update handler decides; without one, whether the route has a handler.
    BOOL IsCommandEnabled(UINT id);
    // Enables the toolbar buttons by their commands (the program loop runs this when it is idle).
    void OnIdleUpdateCmdUI();
    // Shows the prompt of a command (the first line of its string), or the idle text for 0.
    void SetMessageText(UINT commandId);

    BOOL PreTranslateMessage(MSG* message) override;

protected:
    // Adjusts the window style before the frame is created.
    virtual void PreCreateWindow(DWORD& style, DWORD& exStyle) { (void)style, (void)exStyle; }
    // WM_CREATE: a frame makes its bars here.
    virtual BOOL OnCreateFrame() { return TRUE; }
    // One toolbar from bitmap `bitmapId`, images `imageSize` large, docked at the top with tool tips.
    BOOL CreateToolBar(UINT bitmapId, SIZE imageSize, std::span<const FwToolBarButton> buttons);
    BOOL CreateStatusBar();
    void PostNcDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnExitMenuLoop(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

    CFwDocTemplate* m_template = nullptr;

private:
    std::string ToolTipText(UINT commandId) const;

    HACCEL m_accelerators = nullptr;
    HWND m_toolBar = nullptr;
    HWND m_statusBar = nullptr;
    CFwView* m_view = nullptr;
    bool m_wasMainWindow = false;
    bool m_closing = false;
};
