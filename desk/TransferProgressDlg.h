// CTransferProgressDlg (dialog 192): runs the open profile's transfer on the manager's worker thread and shows its
// progress: status, record count, elapsed time, an animation, and Stop.
#pragma once

#include "FwControls.h"
#include "FwDialog.h"
#include "OwnedHandles.h"
#include "TransferDialogIcons.h"
#include "TransferProgress.h"

#include <string>

class CTransferProgressDlg : public CFwDialog
{
    FW_DECLARE_MESSAGE_MAP()

public:
    explicit CTransferProgressDlg(HWND parent);

protected:
    BOOL OnInitDialog() override;
    // Enter takes the cancel path: the dialog never closes while the transfer runs.
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(CFwDataExchange& exchange) override;

private:
    LRESULT OnTransferNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnStop(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpButton(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);

    void OnStepFinished(LPARAM step);
    void OnRequestFinished(BOOL succeeded);
    // The transfer is over: the button closes the dialog.
    void EndRunning();
    void SetStatus(UINT id);
    void PlayAnimation(UINT id);
    void SetDirectionIcons();

    CTransferProgress m_progress;
    std::string m_profileName;
    std::string m_status;
    CDialogIcon m_icon;
    CDirectionPictures m_pictures;
    OwnedEvent m_stopEvent;
    bool m_running = true;
    bool m_stopped = false;
    bool m_busyCursor = false;
    CFwAnimateCtrl m_animation;
};
