#include "ZrtdeskDoc.h"

#include "DeskState.h"
#include "ErrorListDialog.h"
#include "FwControls.h"
#include "FwModule.h"
#include "FwResourceIds.h"
#include "FwText.h"
#include "ListItem.h"
#include "ParamTreeCtrl.h"
#include "ReportError.h"
#include "ZRCallbacks.h"
#include "ZRErrorHandling.h"
#include "ZRMessages.h"
#include "ZRProfileContext.h"
#include "ZRProfileHllAPI.h"
#include "ZRProgram.h"
#include "WizardResult.h"
#include "WizardSheet.h"
#include "ZrtdeskApp.h"
#include "resource.h"

#include <new>

namespace
{
const char kGeneralSection[] = "General";
const char kValueMissing[] = "Default value (value not found)";

template <class... Arguments>
void Report(int line, UINT stringId, Arguments... arguments)
{
    ReportError(__FILE__, line, GetErrorSinkFunctions(), GetOwnModule(), stringId, arguments...);
}

bool IsOneOf(const std::string& value, std::initializer_list<const char*> accepted)
{
    for (const char* word : accepted)
    {
        if (FwEqualsNoCase(value, word))
        {
            return true;
        }
    }
    return false;
}

std::string ReadGeneral(const char* key, const char* path)
{
    char value[MAX_PATH] = "";
    GetPrivateProfileStringA(kGeneralSection, key, kValueMissing, value, sizeof(value), path);
    return value;
}

std::string FullPathOf(const char* path)
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, sizeof(full), full, nullptr);
    return length > 0 && length < sizeof(full) ? std::string(full, length) : std::string(path);
}

void SetNotifyMessage(CZRProfile& profile)
{
    int message = static_cast<int>(WM_ZRTDESK_TRANSFER);
    profile.Notify().SetValue(ZRP_NOTIFY_MESSAGE, &message);
}

ZRMFunctions* Manager()
{
    return Desk().manager;
}
}

const FwMessageMap* CZrtdeskDoc::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(ID_FILE_SAVE, &CZrtdeskDoc::OnSaveCommand),
        FW_ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, &CZrtdeskDoc::OnUpdateSave),
        FW_ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, &CZrtdeskDoc::OnUpdateSave),
    };
    static const FwMessageMap map{CFwDocument::ClassMessageMap(), entries};
    return &map;
}

CZrtdeskDoc::~CZrtdeskDoc()
{
    ReleaseProfile();
}

bool CZrtdeskDoc::HoldsProfile() const
{
    return Desk().listMode == ZRLIST_PROFILE && m_profileRoot && GetCurrentProfile();
}

bool CZrtdeskDoc::HoldsProfileList() const
{
    return Desk().listMode == ZRLIST_PROFILE_LIST && m_listRoot;
}

void CZrtdeskDoc::ReleaseProfile()
{
    if (Manager())
    {
        Manager()->Release();
        Desk().manager = nullptr;
    }
    if (CParamTreeCtrl* tree = GetParamTree())
    {
        tree->DeleteAllItems();
    }
    CZRProfile* profile = GetCurrentProfile();
    InstallProfileCallbacks(nullptr);
    delete profile;
    m_profileRoot.reset();
    m_listRoot.reset();
}

void CZrtdeskDoc::DiscardProfileAndTree(CZRProfile* previous)
{
    if (CParamTreeCtrl* tree = GetParamTree())
    {
        tree->DeleteAllItems();
    }
    delete previous;
    m_profileRoot.reset();
    m_listRoot.reset();
}

BOOL CZrtdeskDoc::CreateTransferManager()
{
    Desk().manager = nullptr;
    ZRTCreateManagerProc factory = Desk().managerFactory;
    if (!factory ||
        !factory(&g_profileCallbacks, GetErrorSinkFunctions(), &g_optionCallbacks, &g_environmentCallbacks,
                 &Desk().manager) ||
        !Desk().manager)
    {
        Desk().manager = nullptr;
        Report(__LINE__, IDS_ZRH022_NO_MANAGER);
        return FALSE;
    }
    return TRUE;
}

BOOL CZrtdeskDoc::InitTransferManager()
{
    if (!CreateTransferManager() || !Manager()->LoadHost())
    {
        return FALSE;
    }
    // A host that cannot be reached does not stop an open: the run connects again.
    Manager()->ConnectHost();
    return Manager()->StartBrowser();
}

BOOL CZrtdeskDoc::RecreateTransferManager()
{
    if (Manager())
    {
        Manager()->Release();
        Desk().manager = nullptr;
    }
    return CreateTransferManager();
}

BOOL CZrtdeskDoc::CreateNewProfile()
{
    static const int kHostTypes[] = {ZRHOST_AS400, ZRHOST_AS400, ZRHOST_S36, ZRHOST_S36};
    static const int kDirections[] = {ZRDIR_HOST_TO_PC, ZRDIR_PC_TO_HOST, ZRDIR_HOST_TO_PC, ZRDIR_PC_TO_HOST};
    int kind = Desk().newProfileKind;
    CZRProfile* profile = new (std::nothrow)
        CZRProfileHllAPI(ZRCONN_HLLAPI, kHostTypes[kind], kDirections[kind], ZRTT_PLAIN);
    if (!profile)
    {
        Report(__LINE__, IDS_ZRH020_MEMORY);
        return FALSE;
    }
    profile->CreateHostRequest();
    profile->CreatePcRequest();
    InstallProfileCallbacks(profile);
    SetNotifyMessage(*profile);
    return TRUE;
}

BOOL CZrtdeskDoc::RunNewProfileWizard(CZRProfile* previous)
{
    if (!Manager()->LoadBrowser() || !Manager()->ConnectBrowser() || !Manager()->LoadHost())
    {
        return FALSE;
    }
    WizardContext context;
    context.kind = Desk().newProfileKind;
    context.profile = GetCurrentProfile();
    context.manager = Manager();
    CWizHllapiNewProfileSheet wizard(CWizHllapiNewProfileSheet::CaptionOf(context.kind), nullptr, context);
    if (wizard.DoModal() == ID_WIZFINISH)
    {
        Desk().wizardFinished = true;
        DiscardProfileAndTree(previous);
        CFwDocument::OnNewDocument();
        CZRProfile* profile = GetCurrentProfile();
        ApplyWizardResult(*profile, wizard.Values(), wizard.Result(), CZrtdeskApp::Current()->GetOptions());
        if (!NewProfileTree())
        {
            return FALSE;
        }
        profile->SetModified(TRUE);
        SetModifiedFlag(TRUE);
        return TRUE;
    }
    Desk().wizardFinished = false;
    SetTitle(m_savedTitle);
    Manager()->DisconnectHost();
    Manager()->UnloadHost();
    Manager()->DisconnectBrowser();
    Manager()->UnloadBrowser();
    ClearErrorList();
    if (!previous)
    {
        return FALSE;
    }
    Manager()->Release();
    Desk().manager = nullptr;
    CZRProfile* made = GetCurrentProfile();
    InstallProfileCallbacks(previous);
    delete made;
    return CreateTransferManager() && Manager()->StartHost() && Manager()->StartBrowser();
}

BOOL CZrtdeskDoc::OnNewDocument()
{
    BOOL result = TRUE;
    // An import sets the kind of the profile it made: New of an import gives the import's own result.
    const int kind = Desk().newProfileKind;
    switch (kind)
    {
    case ZRNEW_AS400_TO_PC:
    case ZRNEW_PC_TO_AS400:
    case ZRNEW_S36_TO_PC:
    case ZRNEW_PC_TO_S36:
    {
        Desk().listMode = ZRLIST_PROFILE;
        CZRProfile* previous = GetCurrentProfile();
        result = CreateNewProfile() && RecreateTransferManager() && RunNewProfileWizard(previous);
        break;
    }
    case ZRNEW_PROFILE_LIST:
        result = NewProfileList();
        break;
    case ZRNEW_IMPORT:
        result = ImportForeignProfile(Desk().importPath.c_str());
        break;
    default:
        break;
    }
    if (GetErrorList().HasRecords())
    {
        ShowErrorList(FALSE);
    }
    if (Desk().listMode == ZRLIST_PROFILE && kind != ZRNEW_IMPORT)
    {
        result = result && Desk().wizardFinished;
    }
    return result;
}

BOOL CZrtdeskDoc::ValidateProfileFile(const char* path)
{
    return IsOneOf(ReadGeneral("Connection", path), {"APPC", "TCP/IP", "HLLAPI"}) &&
           IsOneOf(ReadGeneral("Direction", path), {"Host to PC", "PC to Host"}) &&
           IsOneOf(ReadGeneral("Host type", path), {"AS/400", "System/36"}) &&
           IsOneOf(ReadGeneral("Transfer type", path), {"Binary", "Conversion", "DDS", "Plain"});
}

BOOL CZrtdeskDoc::OpenProfile(const char* path)
{
    if (!ValidateProfileFile(path))
    {
        Report(__LINE__, IDS_ZRH014_PROFILE_CORRUPTED, path);
        return FALSE;
    }
    // The new profile is read beside the current one, which stays as it was when the file cannot be read.
    CZRProfile* previous = GetCurrentProfile();
    CZRProfile* profile = new (std::nothrow) CZRProfileHllAPI(path);
    if (!profile)
    {
        Report(__LINE__, IDS_ZRH020_MEMORY);
        return FALSE;
    }
    InstallProfileCallbacks(profile);
    SetStrictProfileReading(FALSE);
    if (!profile->Read())
    {
        InstallProfileCallbacks(previous);
        delete profile;
        return FALSE;
    }
    InstallProfileCallbacks(previous);
    Desk().listMode = ZRLIST_PROFILE;
    ReleaseProfile();
    InstallProfileCallbacks(profile);
    CFwWaitCursor wait;
    SetNotifyMessage(*profile);
    if (!InitTransferManager() || !CFwDocument::OnOpenDocument(path) || !NewProfileTree())
    {
        BecomeEmpty();
        return FALSE;
    }
    // Lenient reading marks a profile whose values were replaced by defaults.
    SetModifiedFlag(profile->IsModified());
    return TRUE;
}

BOOL CZrtdeskDoc::NewProfileList()
{
    Desk().listMode = ZRLIST_PROFILE_LIST;
    ReleaseProfile();
    CFwDocument::OnNewDocument();
    Desk().listModified = false;
    m_listRoot.reset(new (std::nothrow) CListItemProfiles);
    if (!m_listRoot)
    {
        Report(__LINE__, IDS_ZRH020_MEMORY);
        return FALSE;
    }
    return TRUE;
}

BOOL CZrtdeskDoc::OpenProfileList(const char* path)
{
    Desk().listMode = ZRLIST_PROFILE_LIST;
    ReleaseProfile();
    // A list that cannot be read opens empty under its name, with the reason in the error list.
    SetModifiedFlag(FALSE);
    Desk().listModified = false;
    m_listRoot.reset(new (std::nothrow) CListItemProfiles);
    if (!m_listRoot)
    {
        Report(__LINE__, IDS_ZRH020_MEMORY);
        return FALSE;
    }
    return m_listRoot->Load(path);
}

BOOL CZrtdeskDoc::SaveProfileList(const std::string& path)
{
    if (!m_listRoot->ValidateAll())
    {
        return FALSE;
    }
    if (!m_listRoot->Save(path.c_str()))
    {
        ShowMessage(IDS_ZRH006_CANNOT_SAVE, path.c_str(), ZRMSG_MODE_BOX, ZRMSG_ERROR);
        return FALSE;
    }
    Desk().listModified = false;
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CZrtdeskDoc::ValidateDocument()
{
    if (HoldsProfile())
    {
        return m_profileRoot->Validate();
    }
    return HoldsProfileList() && m_listRoot->ValidateAll();
}

BOOL CZrtdeskDoc::NewProfileTree()
{
    m_profileRoot.reset(new (std::nothrow) CListItemProfile);
    if (!m_profileRoot)
    {
        Report(__LINE__, IDS_ZRH020_MEMORY);
        return FALSE;
    }
    return TRUE;
}

void CZrtdeskDoc::BecomeEmpty()
{
    ReleaseProfile();
    CFwDocument::OnNewDocument();
    SetDefaultTitle();
}

BOOL CZrtdeskDoc::OnOpenDocument(const char* path)
{
    std::string full = FullPathOf(path);
    std::string extension = FwPathExtension(full);
    BOOL result = FALSE;
    if (FwEqualsNoCase(extension, ".h2p") || FwEqualsNoCase(extension, ".p2h"))
    {
        result = OpenProfile(full.c_str());
    }
    else if (FwEqualsNoCase(extension, ".prl"))
    {
        result = OpenProfileList(full.c_str());
    }
    else
    {
        Report(__LINE__, IDS_ZRH003_BAD_EXTENSION, path);
    }
    if (GetErrorList().HasRecords())
    {
        ShowErrorList(FALSE);
    }
    return result;
}

BOOL CZrtdeskDoc::OnSaveDocument(const char* path)
{
    std::string full = FullPathOf(path);
    if (HoldsProfileList())
    {
        return SaveProfileList(full);
    }
    CZRProfile* profile = GetCurrentProfile();
    if (!HoldsProfile())
    {
        return FALSE;
    }
    profile->SetFileName(full.c_str());
    if (!m_profileRoot->Validate())
    {
        return FALSE;
    }
    if (!profile->Write())
    {
        ShowMessage(IDS_ZRH006_CANNOT_SAVE, full.c_str(), ZRMSG_MODE_BOX, ZRMSG_ERROR);
        return FALSE;
    }
    profile->SetModified(FALSE);
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CZrtdeskDoc::SaveModified()
{
    if (Desk().listMode == ZRLIST_PROFILE)
    {
        CZRProfile* profile = GetCurrentProfile();
        SetModifiedFlag(HoldsProfile() && profile->IsModified());
    }
    else
    {
        SetModifiedFlag(Desk().listModified);
    }
    return CFwDocument::SaveModified();
}

LRESULT CZrtdeskDoc::OnSaveCommand(WPARAM, LPARAM)
{
    if (ValidateDocument())
    {
        DoFileSave();
    }
    return 0;
}

LRESULT CZrtdeskDoc::OnUpdateSave(WPARAM, LPARAM ui)
{
    reinterpret_cast<CFwCmdUI*>(ui)->Enable(HoldsProfile() || HoldsProfileList());
    return 0;
}
