// CTransferProgressDlg (dialog 192): runs the open profile's transfer on the manager's worker thread and shows its
// progress: status, record count, elapsed time, an animation, and Stop.
#pragma once

#include "FwControls.h"
#include "FwDialog.h"
#include "OwnedHandles.h"

#include <ctime>
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
    LRESULT OnShowRecordCount(WPARAM wParam, LPARAM lParam);
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
    void ShowRecordCount();
    void UpdateElapsedTime();
    void StartTimer();
    void StopTimer();
    void SetStatus(UINT id);
    void PlayAnimation(UINT id);
    void SetDirectionIcons();

    std::string m_records = "0";
    std::string m_time;
    std::string m_profileName;
    std::string m_status;
    OwnedIcon m_icon;
    OwnedIcon m_smallIcon;
    OwnedIcon m_hostLeftIcon;
    OwnedIcon m_pcIcon;
    OwnedIcon m_hostRightIcon;
    OwnedEvent m_stopEvent;
    time_t m_startTime;
    UINT_PTR m_timerId = 0;
    bool m_inTimer = false;
    bool m_running = true;
    bool m_stopped = false;
    bool m_busyCursor = false;
    // The newest record count and whether it waits to be shown.
    long long m_latestCount = 0;
    bool m_countPending = false;
    CFwAnimateCtrl m_animation;
};
