// CZrtbatchDlg (dialog 102): runs the profiles of the run list one after the other through the transfer manager,
// shows progress with an animation and the elapsed time, lets the user stop, keeps the log, sets the starter's
// Success or Failure event at the end and, when every profile succeeded and asks for it, closes itself.
#pragma once

#include "FwControls.h"
#include "FwDialog.h"
#include "FwListCtrl.h"
#include "LogListCtrl.h"
#include "OwnedHandles.h"
#include "TransferDialogIcons.h"
#include "TransferProgress.h"

#include <string>

class CZrtbatchApp;

class CZrtbatchDlg : public CFwDialog
{
    FW_DECLARE_MESSAGE_MAP()

public:
    explicit CZrtbatchDlg(const CZrtbatchApp& application);

protected:
    BOOL OnInitDialog() override;
    // Enter takes the cancel path: the dialog never closes while a transfer runs.
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(CFwDataExchange& exchange) override;

private:
    // Run loop.
    LRESULT OnStartTransfer(WPARAM wParam, LPARAM lParam);
    LRESULT OnTransferNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnStop(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpButton(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);

    void StartProfile();
    void PrepareProfile();
    BOOL OpenProfile();
    BOOL CreateTransferManager();
    void ReleaseTransfer();
    void OnStepFinished(LPARAM step);
    void OnRequestFinished(BOOL succeeded);
    void EndRun();
    void SetDirectionIcons();
    void PlayAnimation(UINT id);
    void SetStatus(UINT id);
    // Reports a line into the error list and moves the list into the log.
    void LogLine(int line, UINT id, const char* argument = nullptr);

    // Log area.
    LRESULT OnAddLogEntry(WPARAM wParam, LPARAM lParam);
    LRESULT OnShowDetails(WPARAM wParam, LPARAM lParam);
    LRESULT OnDetails(WPARAM wParam, LPARAM lParam);
    LRESULT OnClearLog(WPARAM wParam, LPARAM lParam);
    LRESULT OnSaveToFile(WPARAM wParam, LPARAM lParam);
    LRESULT OnShowLog(WPARAM wParam, LPARAM lParam);
    LRESULT OnLogItemChanged(WPARAM wParam, LPARAM lParam);
    void SetUpLogList();
    void MeasureLogLayout();
    void ShowLog();
    void UpdateLogButtons();
    void ShowMessageDetails();
    RECT ControlRect(UINT id) const;
    void MoveControlTo(UINT id, int top) const;

    const CZrtbatchApp& m_application;
    CTransferProgress m_progress;
    std::string m_profileName;
    std::string m_status;
    CDialogIcon m_icon;
    CDirectionPictures m_pictures;
    OwnedEvent m_stopEvent;
    bool m_running = true;
    bool m_stopping = false;
    size_t m_current = 0;
    bool m_waitCursor = false;
    bool m_allOk = true;
    bool m_autoClose = true;
    CFwAnimateCtrl m_animation;

    CLogListCtrl m_log;
    CFwImageList m_logImages;
    bool m_logShown = false;
    int m_fullWidth = 0;
    int m_fullHeight = 0;
    int m_collapsedHeight = 0;
    int m_logGroupTop = 0;
    int m_stopTop = 0;
};
