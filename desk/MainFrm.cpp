#include "MainFrm.h"

#include "DeskState.h"
#include "ErrorListDialog.h"
#include "FwControls.h"
#include "FwModule.h"
#include "OpenProfileSheet.h"
#include "OptionsDlg.h"
#include "ProgmanIcon.h"
#include "RegistryKey.h"
#include "VersionLibrary.h"
#include "DeskToolsIds.h"
#include "ProfileDocManager.h"
#include "TransferProgressDlg.h"
#include "ZRMessages.h"
#include "ZRProfile.h"
#include "ZRTypeCodes.h"
#include "ZRProfileContext.h"
#include "ZRServiceCallbacks.h"
#include "ZrtdeskApp.h"
#include "ZrtdeskDoc.h"
#include "resource.h"

#include <commdlg.h>

#include <vector>

namespace
{
const int kOptionsHelpContext = 7;
const int kRunHelpContext = 47;
const SIZE kToolBarImage{16, 15};
const FwToolBarButton kToolBarButtons[] = {
    {ID_FILE_NEW, 0}, {ID_FILE_OPEN, 1}, {ID_FILE_SAVE, 2}, {0, 0}, {ID_FILE_RUN, 3}, {ID_CONTEXT_HELP, 4},
};

// Keeps the program's help context for the time of a dialog.
class HelpContextKeeper
{
public:
    HelpContextKeeper() : m_saved(FwGetHelpContext()) {}
    ~HelpContextKeeper() { FwSetHelpContext(m_saved); }
    HelpContextKeeper(const HelpContextKeeper&) = delete;
    HelpContextKeeper& operator=(const HelpContextKeeper&) = delete;

private:
    int m_saved;
};

CZrtdeskDoc* ActiveDocument()
{
    CFwFrameWnd* frame = dynamic_cast<CFwFrameWnd*>(CFwWnd::FromHandle(FwGetMainWindow()));
    return frame ? static_cast<CZrtdeskDoc*>(frame->GetActiveDocument()) : nullptr;
}
}

bool CanRunCurrentProfile()
{
    CZRProfile* profile = GetCurrentProfile();
    if (Desk().listMode != ZRLIST_PROFILE || !profile || !profile->HostRequest() || !profile->PcRequest())
    {
        return false;
    }
    std::vector<std::string> parts;
    profile->HostRequest()->SplitName(parts);
    auto part = [&](size_t index) { return index < parts.size() ? parts[index] : std::string(); };
    if (profile->General().Get(ZRP_HOST_TYPE) == ZRHOST_AS400)
    {
        return !part(0).empty() && !part(1).empty() &&
               (!part(2).empty() || profile->PcRequest()->GetInt(ZRP_PC_FILE_TYPE) == PCFT_FMT);
    }
    if (profile->HostRequest()->IsMemberName())
    {
        return !part(0).empty() && !part(1).empty();
    }
    return !part(0).empty();
}

const FwMessageMap* CMainFrame::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(ID_FILE_NEW, &CMainFrame::OnFileNew),
        FW_ON_COMMAND(ID_FILE_RUN, &CMainFrame::OnRun),
        FW_ON_UPDATE_COMMAND_UI(ID_FILE_RUN, &CMainFrame::OnUpdateRun),
        FW_ON_COMMAND(ID_FILE_IMPORT, &CMainFrame::OnImport),
        FW_ON_COMMAND(ID_TOOLS_CREATE_ICON, &CMainFrame::OnCreateIcon),
        FW_ON_UPDATE_COMMAND_UI(ID_TOOLS_CREATE_ICON, &CMainFrame::OnUpdateCreateIcon),
        FW_ON_COMMAND(ID_TOOLS_OPTIONS, &CMainFrame::OnOptions),
        FW_ON_COMMAND(ID_HELP_CONTENTS, &CMainFrame::OnHelpContents),
    };
    static const FwMessageMap map{CFwFrameWnd::ClassMessageMap(), entries};
    return &map;
}

void CMainFrame::PreCreateWindow(DWORD& style, DWORD&)
{
    style &= ~(WS_THICKFRAME | WS_MAXIMIZEBOX);
}

BOOL CMainFrame::OnCreateFrame()
{
    return CreateToolBar(IDR_MAINFRAME, kToolBarImage, kToolBarButtons) && CreateStatusBar();
}

LRESULT CMainFrame::OnFileNew(WPARAM, LPARAM)
{
    HelpContextKeeper keep;
    CNewProfileSheet sheet(m_hWnd);
    sheet.DoModal();
    return 0;
}

LRESULT CMainFrame::OnRun(WPARAM, LPARAM)
{
    ZRMFunctions* manager = Desk().manager;
    {
        CFwWaitCursor wait;
        if (!manager || !manager->ConnectHost())
        {
            ShowErrorList(FALSE);
            return 0;
        }
    }
    EnableWindow(m_hWnd, FALSE);
    {
        HelpContextKeeper keep;
        FwSetHelpContext(kRunHelpContext);
        CTransferProgressDlg progress(m_hWnd);
        progress.DoModal();
    }
    EnableWindow(m_hWnd, TRUE);
    g_environmentCallbacks.hwndNotify = m_hWnd;
    return 0;
}

LRESULT CMainFrame::OnUpdateRun(WPARAM, LPARAM ui)
{
    reinterpret_cast<CFwCmdUI*>(ui)->Enable(CanRunCurrentProfile());
    return 0;
}

LRESULT CMainFrame::OnImport(WPARAM, LPARAM)
{
    std::string path;
    if (PromptProfileFile(path, TRUE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_NOREADONLYRETURN, IDS_FILTER_FOREIGN,
                          nullptr, m_hWnd))
    {
        Desk().importPath = path;
        Desk().newProfileKind = ZRNEW_IMPORT;
        CZrtdeskApp::Current()->NewProfileKeepingTitle();
    }
    return 0;
}

bool CMainFrame::IsDocumentSaved(CFwDocument& document) const
{
    CZRProfile* profile = GetCurrentProfile();
    bool modified = Desk().listMode == ZRLIST_PROFILE ? profile && profile->IsModified() : Desk().listModified;
    document.SetModifiedFlag(modified);
    // A document without a file has nothing an icon could start.
    return !modified && !document.GetPathName().empty();
}

LRESULT CMainFrame::OnCreateIcon(WPARAM, LPARAM)
{
    CFwDocument* document = GetActiveDocument();
    CVersionLibrary* library = GetVersionLibrary();
    if (!document || !library)
    {
        return 0;
    }
    if (!IsDocumentSaved(*document))
    {
        if (AskQuestion(IDS_ICON_SAVE_FIRST) != IDYES)
        {
            return 0;
        }
        SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(ID_FILE_SAVE, 0), 0);
        if (!IsDocumentSaved(*document))
        {
            return 0;
        }
    }
    std::string group;
    CRegistryKey key(library->GetInstallKeyPath().c_str(), library->GetInstallRootKey(), ZRRK_READ_ONLY);
    if (!key.IsOpen() || !key.GetString(group, "GroupName"))
    {
        ShowMessage(IDS_ZRH015_NO_GROUP_NAME, nullptr, ZRMSG_MODE_BOX, ZRMSG_ERROR);
        return 0;
    }
    char program[MAX_PATH] = "";
    char iconFile[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof(program));
    DWORD length = GetShortPathNameA(program, iconFile, sizeof(iconFile));
    if (length == 0 || length >= sizeof(iconFile))
    {
        lstrcpynA(iconFile, program, sizeof(iconFile));
    }
    int iconIndex = ZRICON_PROFILE_LIST;
    if (Desk().listMode == ZRLIST_PROFILE)
    {
        bool hostToPc = GetCurrentProfile()->General().Get(ZRP_DIRECTION) == ZRDIR_HOST_TO_PC;
        iconIndex = hostToPc ? ZRICON_HOST_TO_PC : ZRICON_PC_TO_HOST;
    }
    bool created = ExecuteProgmanDde(FormatCreateGroupCommand(group)) &&
                   ExecuteProgmanDde(FormatAddItemCommand(library->GetProgramFolder(), document->GetPathName(),
                                                          document->GetTitle(), iconFile, iconIndex));
    if (created)
    {
        ExecuteProgmanDde(FormatReloadCommand(group));
        ShowMessage(IDS_ICON_CREATED, nullptr, ZRMSG_MODE_BOX, ZRMSG_INFORMATION);
    }
    else
    {
        ShowMessage(IDS_ZRH016_DDE_ERROR, nullptr, ZRMSG_MODE_BOX, ZRMSG_ERROR);
    }
    return 0;
}

LRESULT CMainFrame::OnUpdateCreateIcon(WPARAM, LPARAM ui)
{
    CZrtdeskDoc* document = ActiveDocument();
    reinterpret_cast<CFwCmdUI*>(ui)->Enable(document && (document->HoldsProfile() || document->HoldsProfileList()));
    return 0;
}

LRESULT CMainFrame::OnOptions(WPARAM, LPARAM)
{
    HelpContextKeeper keep;
    FwSetHelpContext(kOptionsHelpContext);
    COptionsDlg dialog(CZrtdeskApp::Current()->GetOptions(), m_hWnd);
    dialog.DoModal();
    return 0;
}

LRESULT CMainFrame::OnHelpContents(WPARAM, LPARAM)
{
    FwWinHelp(HELP_INDEX, 0);
    return 0;
}
