#include "SessionList.h"

#include "ErrorListDialog.h"
#include "FwModule.h"
#include "FwText.h"
#include "WizardIds.h"
#include "ZRErrorHandling.h"
#include "ZRManagerTable.h"

namespace
{
// Three bytes per session: available flag, letter, zero.
const int kMaxSessions = 26;

void AddSession(HWND combo, UINT textId, char letter)
{
    std::string text = FwFormatArgs(FwLoadString(textId), {std::string(1, letter)});
    LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0)
    {
        SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<unsigned char>(letter));
    }
}
}

void FillSessionCombo(HWND combo, char letter, const ZRMFunctions& manager)
{
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    char records[3 * kMaxSessions + 3] = {};
    int count = 0;
    int unused = 0;
    if (!manager.QueryHostInfo(records, &count, &unused) || count <= 0)
    {
        AddSession(combo, IDS_WIZ_SESSION_NOT_ACCESSIBLE, letter);
    }
    else
    {
        for (int i = 0; i < count && i < kMaxSessions; ++i)
        {
            AddSession(combo, records[3 * i] ? IDS_WIZ_SESSION_AVAILABLE : IDS_WIZ_SESSION_IN_USE,
                       records[3 * i + 1]);
        }
    }
    int items = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    int chosen = 0;
    for (int i = 0; i < items; ++i)
    {
        if (SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == static_cast<unsigned char>(letter))
        {
            chosen = i;
            break;
        }
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    if (GetErrorList().HasRecords())
    {
        ShowErrorList(FALSE);
    }
}
