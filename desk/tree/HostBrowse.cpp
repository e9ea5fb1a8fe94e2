#include "HostBrowse.h"

#include "DeskState.h"
#include "DialogHelpers.h"
#include "ErrorListDialog.h"
#include "FwControls.h"
#include "FwDialog.h"
#include "FwModule.h"
#include "FwText.h"
#include "PanelIds.h"
#include "ZRErrorHandling.h"
#include "ZRProfile.h"
#include "ZRProfileContext.h"
#include "ZRResourceIds.h"
#include "ZRServiceCallbacks.h"
#include "resource.h"

namespace
{
bool g_showConfirmation = true;

// The session records of manager entry 4: three bytes each, the availability flag, the letter and a filler.
const int kMaxSessions = 26;
const int kSessionRecordSize = 3;

class CHostBrowseConfirmDlg : public CFwDialog
{
    FW_DECLARE_MESSAGE_MAP()

public:
    explicit CHostBrowseConfirmDlg(HWND owner) : CFwDialog(IDD_HOST_BROWSE_CONFIRM, owner) {}

protected:
    BOOL OnInitDialog() override
    {
        SetWindowText(FwLoadString(IDS_ZR_PRODUCT_SHORT_NAME));
        FwSetStaticIcon(GetDlgItem(IDC_CONFIRM_ICON), LoadIconA(nullptr, IDI_QUESTION));
        CheckDlgButton(m_hWnd, IDC_CONFIRM_DONT_ASK, BST_UNCHECKED);
        CenterWindow();
        return TRUE;
    }
    // Esc and the close box: No, and the setting stays.
    void OnCancel() override { EndDialog(IDNO); }

private:
    LRESULT OnYes(WPARAM, LPARAM) { return Answer(IDYES); }
    LRESULT OnNo(WPARAM, LPARAM) { return Answer(IDNO); }
    LRESULT Answer(int answer)
    {
        g_showConfirmation = IsDlgButtonChecked(m_hWnd, IDC_CONFIRM_DONT_ASK) != BST_CHECKED;
        EndDialog(answer);
        return 0;
    }
};

const FwMessageMap* CHostBrowseConfirmDlg::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(IDC_CONFIRM_YES, &CHostBrowseConfirmDlg::OnYes),
        FW_ON_COMMAND(IDC_CONFIRM_NO, &CHostBrowseConfirmDlg::OnNo),
    };
    static const FwMessageMap map{CFwDialog::ClassMessageMap(), entries};
    return &map;
}

// Runs while the manager's worker opens the browse; ends with OK when it opened, Cancel when it did not.
class CHostWaitDlg : public CFwDialog
{
    FW_DECLARE_MESSAGE_MAP()

public:
    explicit CHostWaitDlg(HWND owner) : CFwDialog(IDD_HOST_WAIT, owner) {}

protected:
    BOOL OnInitDialog() override
    {
        SetWindowText(FwLoadString(IDS_ZR_PRODUCT_SHORT_NAME));
        g_environmentCallbacks.hwndNotify = m_hWnd;
        CenterWindow();
        // Without a posted request no end notification would ever come.
        if (!Desk().manager || !Desk().manager->OpenBrowseAsync())
        {
            EndDialog(IDCANCEL);
            return TRUE;
        }
        m_animation.Attach(GetDlgItem(IDC_WAIT_ANIMATION));
        if (m_animation.Open(IDR_AVI_HOST_WAIT))
        {
            m_animation.Play(0, -1, -1);
        }
        return TRUE;
    }
    // Esc and the close box wait for the end notification: the worker is still opening the browse.
    void OnCancel() override {}
    void OnOK() override {}

private:
    LRESULT OnManagerNotify(WPARAM code, LPARAM value)
    {
        if (code == ZRM_NOTIFY_REQUEST_DONE)
        {
            m_animation.Close();
            EndDialog(value ? IDOK : IDCANCEL);
        }
        return 0;
    }

    CFwAnimateCtrl m_animation;
};

const FwMessageMap* CHostWaitDlg::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(WM_ZRTDESK_TRANSFER, &CHostWaitDlg::OnManagerNotify),
    };
    static const FwMessageMap map{CFwDialog::ClassMessageMap(), entries};
    return &map;
}

// The owner of a dialog without a parent: the innermost modal window over the main window.
HWND DialogOwner()
{
    HWND main = FwGetMainWindow();
    return main ? FwModalOwner() : nullptr;
}

void ShowCollectedErrors()
{
    if (GetErrorList().HasRecords())
    {
        ShowErrorList(FALSE);
    }
}

void SetBrowseText(CZRProfile& profile, int id, const std::string& text)
{
    profile.Browse().SetValue(id, text.c_str());
}

// The session records; false when the manager cannot list them.
bool QuerySessions(std::string& records, int& count)
{
    char text[kMaxSessions * kSessionRecordSize + 2] = {};
    int number1 = 0;
    int number2 = 0;
    if (!Desk().manager || !Desk().manager->QueryHostInfo(text, &number1, &number2) || number1 <= 0)
    {
        return false;
    }
    count = number1 < kMaxSessions ? number1 : kMaxSessions;
    records.assign(text, static_cast<size_t>(count * kSessionRecordSize));
    return true;
}

std::string SessionText(UINT stringId, char letter)
{
    return FwFormat(FwLoadString(stringId).c_str(), letter);
}
}

BOOL ConfirmHostBrowse()
{
    if (!g_showConfirmation)
    {
        return TRUE;
    }
    CHostBrowseConfirmDlg dialog(DialogOwner());
    return dialog.DoModal() == IDYES;
}

void ResetHostBrowseConfirmation()
{
    g_showConfirmation = true;
}

void BrowseHost(HWND owner, const char* kind, const std::string& library, const std::string& file,
                const std::string& member, const std::string& current)
{
    CFwWaitCursor waitCursor;
    ZRMFunctions* manager = Desk().manager;
    CZRProfile* profile = GetCurrentProfile();
    HWND topLevel = owner ? GetAncestor(owner, GA_ROOT) : FwGetMainWindow();
    if (manager && profile && manager->ConnectHost())
    {
        SetBrowseText(*profile, ZRP_BROWSE_REQUEST, kind);
        SetBrowseText(*profile, ZRP_BROWSE_LIBRARY, library);
        SetBrowseText(*profile, ZRP_BROWSE_FILE, file);
        SetBrowseText(*profile, ZRP_BROWSE_MEMBER, member);
        SetBrowseText(*profile, ZRP_BROWSE_CURRENT, current);
        CHostWaitDlg wait(DialogOwner());
        INT_PTR opened = wait.DoModal();
        g_environmentCallbacks.hwndNotify = FwGetMainWindow();
        if (topLevel)
        {
            EnableWindow(topLevel, FALSE);
        }
        if (opened == IDOK)
        {
            manager->BrowseData();
        }
        manager->CloseBrowse();
        if (topLevel)
        {
            EnableWindow(topLevel, TRUE);
            SetForegroundWindow(topLevel);
            InvalidateRect(topLevel, nullptr, TRUE);
            UpdateWindow(topLevel);
        }
    }
    ShowCollectedErrors();
}

std::string GetBrowseResult(int id)
{
    CZRProfile* profile = GetCurrentProfile();
    char text[ZR_BROWSE_CURRENT_SIZE] = "";
    if (!profile || !profile->Browse().GetValue(id, text))
    {
        return std::string();
    }
    return text;
}

void FillSessionCombo(HWND combo, char letter)
{
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    std::string records;
    int count = 0;
    if (!QuerySessions(records, count))
    {
        std::string text = SessionText(IDS_SESSION_NOT_ACCESSIBLE, letter);
        LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<unsigned char>(letter));
    }
    for (int record = 0; record < count; ++record)
    {
        const char* entry = records.data() + record * kSessionRecordSize;
        std::string text = SessionText(entry[0] ? IDS_SESSION_AVAILABLE : IDS_SESSION_IN_USE, entry[1]);
        LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<unsigned char>(entry[1]));
    }
    LRESULT entries = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    LRESULT selected = 0;
    for (LRESULT index = 0; index < entries; ++index)
    {
        if (SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0) == static_cast<unsigned char>(letter))
        {
            selected = index;
            break;
        }
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    ShowCollectedErrors();
}

std::string GetSessionText(char letter)
{
    std::string records;
    int count = 0;
    if (QuerySessions(records, count))
    {
        for (int record = 0; record < count; ++record)
        {
            const char* entry = records.data() + record * kSessionRecordSize;
            if (entry[1] == letter)
            {
                return SessionText(entry[0] ? IDS_SESSION_AVAILABLE : IDS_SESSION_IN_USE, letter);
            }
        }
    }
    return SessionText(IDS_SESSION_NOT_ACCESSIBLE, letter);
}

void FillHostWriteModeList(HWND listBox, HostWriteModes modes)
{
    SendMessageA(listBox, LB_RESETCONTENT, 0, 0);
    switch (modes)
    {
    case HostWriteModes::As400PcToHost:
        AddListBoxItem(listBox, IDS_CREATE_FILE, ZRHWM_CREATE_FILE);
        AddListBoxItem(listBox, IDS_CREATE_MEMBER, ZRHWM_CREATE_MEMBER);
        AddListBoxItem(listBox, IDS_APPEND_TO_MEMBER, ZRHWM_APPEND_MEMBER);
        AddListBoxItem(listBox, IDS_REPLACE_MEMBER, ZRHWM_REPLACE_MEMBER);
        break;
    case HostWriteModes::S36File:
        AddListBoxItem(listBox, IDS_CREATE_FILE, ZRHWM_CREATE_FILE);
        AddListBoxItem(listBox, IDS_APPEND_TO_FILE, ZRHWM_APPEND_FILE);
        AddListBoxItem(listBox, IDS_REPLACE_FILE, ZRHWM_REPLACE_FILE);
        break;
    case HostWriteModes::S36Member:
        AddListBoxItem(listBox, IDS_CREATE_MEMBER, ZRHWM_CREATE_MEMBER);
        AddListBoxItem(listBox, IDS_REPLACE_MEMBER, ZRHWM_REPLACE_MEMBER);
        break;
    }
}
