#include "ProfileDocManager.h"

#include "DeskState.h"
#include "FileDialog.h"
#include "FwModule.h"
#include "ZRProfile.h"
#include "ZRProfileContext.h"
#include "ZrtdeskApp.h"
#include "ZrtdeskDoc.h"
#include "resource.h"

#include <commdlg.h>

#include <vector>

namespace
{
// The characters that end the part of a title that can be a file name.
const char kTitleStops[] = " #%;/\\";
}

std::string ProposeSaveName(const std::string& pathOrTitle, bool untitled, const std::string& extension)
{
    std::string name = pathOrTitle;
    if (untitled)
    {
        name = name.substr(0, name.find_first_of(kTitleStops));
    }
    size_t fileStart = name.find_last_of("\\/:");
    fileStart = fileStart == std::string::npos ? 0 : fileStart + 1;
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot >= fileStart)
    {
        name.erase(dot);
    }
    return name + "." + extension;
}

BOOL PromptProfileFile(std::string& path, BOOL open, DWORD flags, UINT filterId, const char* defaultExtension,
                       HWND owner, bool useProfileFolder)
{
    std::string folder;
    if (useProfileFolder && Desk().profileFolderFlag && CZrtdeskApp::Current())
    {
        CZROptions& options = CZrtdeskApp::Current()->GetOptions();
        int size = options.GetSize(ZRO_DEFAULT_DIRECTORY);
        std::vector<char> value(size > 0 ? static_cast<size_t>(size) : 1, '\0');
        if (size > 0 && options.GetValue(ZRO_DEFAULT_DIRECTORY, value.data()))
        {
            folder = value.data();
        }
    }
    char name[MAX_PATH] = "";
    path.copy(name, sizeof(name) - 1);
    std::string filter = FwLoadString(filterId);
    if (!PromptFileName(name, open, flags, folder.empty() ? nullptr : folder.c_str(), filter.c_str(), defaultExtension,
                        owner))
    {
        return FALSE;
    }
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(name, sizeof(full), full, nullptr);
    path = length > 0 && length < sizeof(full) ? std::string(full, length) : std::string(name);
    Desk().profileFolderFlag = false;
    return TRUE;
}

BOOL CProfileDocManager::DoPromptFileName(std::string& fileName, UINT, DWORD, BOOL open, CFwDocTemplate* docTemplate)
{
    HWND owner = FwGetMainWindow();
    if (open)
    {
        fileName.clear();
        return PromptProfileFile(fileName, TRUE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_NOREADONLYRETURN,
                                 IDS_FILTER_PROFILES, nullptr, owner);
    }
    CZrtdeskDoc* document = docTemplate ? static_cast<CZrtdeskDoc*>(docTemplate->GetDocument()) : nullptr;
    const char* extension = nullptr;
    UINT filter = 0;
    CZRProfile* profile = GetCurrentProfile();
    if (document && document->HoldsProfileList())
    {
        extension = "prl";
        filter = IDS_FILTER_LIST;
    }
    else if (document && document->HoldsProfile() && profile)
    {
        int direction = profile->General().Get(ZRP_DIRECTION);
        if (direction == ZRDIR_HOST_TO_PC)
        {
            extension = "h2p";
            filter = IDS_FILTER_H2P;
        }
        else if (direction == ZRDIR_PC_TO_HOST)
        {
            extension = "p2h";
            filter = IDS_FILTER_P2H;
        }
    }
    if (!extension)
    {
        return FALSE;
    }
    bool untitled = document->GetPathName().empty();
    std::string name = ProposeSaveName(untitled ? document->GetTitle() : fileName, untitled, extension);
    if (!PromptProfileFile(name, FALSE, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, filter, extension,
                           owner, untitled))
    {
        return FALSE;
    }
    fileName = name;
    return TRUE;
}
