#include "DialogHelpers.h"

#include "FileDialog.h"
#include "FwModule.h"
#include "FwText.h"
#include "ZRTypeCodes.h"
#include "resource.h"

#include <commdlg.h>

namespace
{
struct TypeEntry
{
    UINT stringId;
    int code;
    bool writeOnly;
};
const TypeEntry kPcFileTypes[] = {
    {IDS_PCFT_CSV, PCFT_CSV, false},       {IDS_PCFT_PRN, PCFT_PRN, false}, {IDS_PCFT_TXT_TAB, PCFT_TAB, false},
    {IDS_PCFT_TXT_FIXED, PCFT_DLM, false}, {IDS_PCFT_DIF, PCFT_DIF, false}, {IDS_PCFT_DBF, PCFT_DBF, false},
    {IDS_PCFT_DR1, PCFT_DR1, false},       {IDS_PCFT_DR2, PCFT_DR2, false}, {IDS_PCFT_WKQ, PCFT_WKQ, true},
    {IDS_PCFT_WKS, PCFT_WKS, true},        {IDS_PCFT_XLS5, PCFT_XLS, true}, {IDS_PCFT_XLS7, PCFT_EXCEL70, false},
    {IDS_PCFT_XLS97, PCFT_EXCEL97, false},
};

struct BrowseEntry
{
    int firstType;
    int lastType;
    UINT filterId;
    const char* extension;
};
const BrowseEntry kBrowseEntries[] = {
    {2, 2, IDS_BROWSE_BINARY, "bin"}, {3, 4, IDS_BROWSE_TEXT, "txt"},  {7, 7, IDS_BROWSE_TEXT, "txt"},
    {5, 5, IDS_BROWSE_CSV, "csv"},    {6, 6, IDS_BROWSE_PRN, "prn"},   {8, 8, IDS_BROWSE_DIF, "dif"},
    {9, 9, IDS_BROWSE_DBF, "dbf"},    {10, 10, IDS_BROWSE_DR1, "dr1"}, {11, 11, IDS_BROWSE_DR2, "dr2"},
    {12, 12, IDS_BROWSE_WKQ, "wkq"},  {13, 13, IDS_BROWSE_WKS, "wks"}, {14, 14, IDS_BROWSE_XLS, "xls"},
    {18, 19, IDS_BROWSE_XLS, "xls"},  {15, 15, IDS_BROWSE_FMT, "fmt"}, {16, 17, IDS_BROWSE_MDB, "mdb"},
};

void FillTypes(HWND listBox, bool withWriteOnly)
{
    SendMessageA(listBox, LB_RESETCONTENT, 0, 0);
    for (const TypeEntry& entry : kPcFileTypes)
    {
        if (withWriteOnly || !entry.writeOnly)
        {
            AddListBoxItem(listBox, entry.stringId, entry.code);
        }
    }
}

std::string FullPath(const char* path)
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, sizeof(full), full, nullptr);
    return length > 0 && length < sizeof(full) ? std::string(full, length) : std::string(path);
}
}

void AddListBoxItem(HWND listBox, UINT stringId, int code)
{
    std::string text = FwLoadString(stringId);
    LRESULT index = SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0)
    {
        SendMessageA(listBox, LB_SETITEMDATA, static_cast<WPARAM>(index), code);
    }
}

void FillPcFileTypeList(HWND listBox)
{
    FillTypes(listBox, true);
}

void FillPcFileTypeListReduced(HWND listBox)
{
    FillTypes(listBox, false);
}

void FillWriteModeList(HWND listBox, BOOL withAppend)
{
    SendMessageA(listBox, LB_RESETCONTENT, 0, 0);
    AddListBoxItem(listBox, IDS_CREATE_FILE, 1);
    AddListBoxItem(listBox, IDS_REPLACE_FILE, 2);
    if (withAppend)
    {
        AddListBoxItem(listBox, IDS_APPEND_TO_FILE, 3);
    }
}

BOOL BrowsePcFile(std::string& path, HWND owner, int pcFileType)
{
    std::string filter;
    const char* extension = nullptr;
    for (const BrowseEntry& entry : kBrowseEntries)
    {
        if (pcFileType >= entry.firstType && pcFileType <= entry.lastType)
        {
            filter = FwLoadString(entry.filterId);
            extension = entry.extension;
            break;
        }
    }
    filter += FwLoadString(IDS_FILTER_ALL_FILES);
    char name[MAX_PATH] = "";
    path.copy(name, sizeof(name) - 1);
    if (!PromptFileName(name, TRUE, OFN_HIDEREADONLY, nullptr, filter.c_str(), extension, owner))
    {
        return FALSE;
    }
    path = FullPath(name);
    return TRUE;
}

BOOL BrowseDescriptionFile(HWND edit, HWND owner)
{
    char name[MAX_PATH] = "";
    GetWindowTextA(edit, name, sizeof(name));
    std::string filter = FwLoadString(IDS_FILTER_DESCRIPTION);
    if (!PromptFileName(name, TRUE, OFN_HIDEREADONLY, nullptr, filter.c_str(), "fmt", owner))
    {
        return FALSE;
    }
    SetWindowTextA(edit, FullPath(name).c_str());
    return TRUE;
}

std::string FormatProfileCaption(bool hostToPc, const std::string& host, const std::string& transfer)
{
    std::string pc = FwLoadString(IDS_PC);
    return FwFormatArgs(FwLoadString(IDS_PROFILE_CAPTION),
                        {hostToPc ? host : pc, hostToPc ? pc : host, FwLoadString(IDS_HLLAPI), transfer});
}
