// Views: the client window of a frame that shows the document. A form view is a child dialog from a template.
#pragma once

#include "FwWnd.h"

class CFwDocument;
class CFwFrameWnd;

class CFwView : public CFwWnd
{
public:
    CFwDocument* GetDocument() const { return m_document; }
    void SetDocument(CFwDocument* document) { m_document = document; }
    CFwFrameWnd* GetParentFrame() const { return m_frame; }

    // Creates the view's window as the frame's client.
    virtual BOOL Create(CFwFrameWnd* frame) = 0;
    // Runs after every New and Open, before the frame shows the document.
    virtual void OnInitialUpdate() {}
    // The view's own handlers first, then the document's.
    BOOL OnCmdMsg(UINT id, UINT code, CFwCmdUI* ui) override;

protected:
    CFwFrameWnd* m_frame = nullptr;

private:
    CFwDocument* m_document = nullptr;
};

class CFwFormView : public CFwView
{
public:
    explicit CFwFormView(UINT templateId) : m_templateId(templateId) {}
    ~CFwFormView() override;

    BOOL Create(CFwFrameWnd* frame) override;
    // The size of the form as its template made it.
    SIZE GetFormSize() const { return m_formSize; }
    // Makes the frame's client area just large enough for the form.
    void ResizeParentToFit() const;
    // Keys of the form (Tab between controls); Enter and Escape never end a form.
    BOOL PreTranslateMessage(MSG* message) override;

protected:
    // WM_INITDIALOG of the form; the base does nothing.
    virtual void OnInitForm() {}

private:
    static INT_PTR CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleFormMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    SIZE m_formSize{};
};
