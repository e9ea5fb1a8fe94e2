// Program-wide state of Zrtdesk that the application, the document, the frame and the sheets share.
#pragma once

#include "ZRManagerTable.h"

#include <string>

// What New makes (the New page, the Import page and the Import command set it before New runs).
enum NewProfileKind
{
    ZRNEW_AS400_TO_PC = 0,
    ZRNEW_PC_TO_AS400 = 1,
    ZRNEW_S36_TO_PC = 2,
    ZRNEW_PC_TO_S36 = 3,
    ZRNEW_PROFILE_LIST = 4,
    ZRNEW_IMPORT = 5,
};

// What the document holds.
enum ListMode
{
    ZRLIST_PROFILE = 0,
    ZRLIST_PROFILE_LIST = 1,
};

// Zrtdesk's notification message of the manager (profile parameter 104).
const UINT WM_ZRTDESK_TRANSFER = WM_USER + 4;

struct DeskState
{
    // The transfer manager of the current profile, or none.
    ZRMFunctions* manager = nullptr;
    // Zrtmgr's factory, found at start-up.
    ZRTCreateManagerProc managerFactory = nullptr;
    int listMode = ZRLIST_PROFILE;
    int newProfileKind = ZRNEW_AS400_TO_PC;
    // 1 after the new-profile wizard ended with Finish, 0 after it was cancelled; kept between runs.
    bool wizardFinished = false;
    bool listModified = false;
    // Set by the Options dialog's OK: the next profile file dialog starts in the profile folder.
    bool profileFolderFlag = false;
    // Cleared when the view has centred the main window the first time.
    bool firstShow = true;
    // The foreign profile that an import of New reads.
    std::string importPath;
};

DeskState& Desk();

// Resets the state to the start-up values (a program run begins with them).
void ResetDeskState();
