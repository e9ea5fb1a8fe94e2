#include "ProfileListItems.h"

#include "DeskState.h"
#include "DeskToolsIds.h"
#include "FwModule.h"
#include "FwText.h"
#include "ParamTreeCtrl.h"
#include "ProfileDocManager.h"
#include "ReportError.h"
#include "ZRErrorHandling.h"
#include "ZRMessages.h"
#include "ZRProfileListFile.h"
#include "ZRProgram.h"
#include "resource.h"

#include <commdlg.h>

#include <new>
#include <utility>

namespace
{
const int kRootKind = 20;
const int kRootImage = 14;
const int kRootHelpContext = 8;
const int kEntryKind = 21;
const int kEntryImage = 0;
const int kEntryHelpContext = 46;
const int kButtonIconSize = 16;
const char kForbiddenInPath[] = "*?<>|";

template <class... Arguments>
void Report(int line, UINT stringId, Arguments... arguments)
{
    ReportError(__FILE__, line, GetErrorSinkFunctions(), GetOwnModule(), stringId, arguments...);
}

void MarkListModified()
{
    Desk().listModified = true;
}

// The file dialog of the list's Browse and Add Profile buttons: profiles only. TRUE with the full path in `path`.
BOOL PromptListEntry(std::string& path, HWND owner)
{
    return PromptProfileFile(path, TRUE, OFN_HIDEREADONLY, IDS_FILTER_LIST_ENTRIES, "h2p", owner);
}

void SetButtonIcon(HWND panel, UINT buttonId, UINT iconId)
{
    HANDLE icon = LoadImageA(FwFindResourceModule(RT_GROUP_ICON, iconId), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                             kButtonIconSize, kButtonIconSize, LR_SHARED);
    SendDlgItemMessageA(panel, static_cast<int>(buttonId), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void ExpandNode(HTREEITEM node)
{
    if (CParamTreeCtrl* tree = GetParamTree())
    {
        SendMessageA(tree->GetSafeHwnd(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
    }
}
}

CListItemProfileEntry::CListItemProfileEntry(CListItemProfiles* root, const std::string& path)
    : CListItem(root), m_root(root), m_path(path)
{
    m_hasValue = false;
    SetLook(kEntryKind, kEntryImage, kEntryHelpContext);
}

BOOL CListItemProfileEntry::CreatePanel(HWND parent)
{
    return MakePanel(parent, IDD_PANEL_PROFILE_ENTRY);
}

BOOL CListItemProfileEntry::InsertIntoTree(HTREEITEM parent)
{
    // The label shows the path; a label cut to fit the tree never shortens the path itself.
    m_value = m_path;
    return InsertNode(parent);
}

void CListItemProfileEntry::Apply()
{
    m_path = m_panelPath;
    m_value = m_path;
    MarkListModified();
    RefreshNode();
}

void CListItemProfileEntry::Refresh()
{
    m_panelPath = m_path;
}

BOOL CListItemProfileEntry::Validate()
{
    std::string extension = FwPathExtension(m_path);
    if (!m_path.empty() && m_path.find_first_of(kForbiddenInPath) == std::string::npos &&
        (FwEqualsNoCase(extension, ".h2p") || FwEqualsNoCase(extension, ".p2h")))
    {
        return TRUE;
    }
    std::string argument = FwLoadString(IDS_ARG_PROFILE_NAME);
    ShowMessage(IDS_ZRH007_PARAMETER_INVALID, argument.c_str(), ZRMSG_MODE_BOX, ZRMSG_ERROR);
    Select();
    return FALSE;
}

void CListItemProfileEntry::OnPanelInit()
{
    SetButtonIcon(m_panel->GetSafeHwnd(), IDC_MOVE_UP, IDI_MOVE_UP);
    SetButtonIcon(m_panel->GetSafeHwnd(), IDC_MOVE_DOWN, IDI_MOVE_DOWN);
    EnableMoveButtons();
}

void CListItemProfileEntry::EnableMoveButtons()
{
    m_panel->Enable(IDC_MOVE_UP, false);
    m_panel->Enable(IDC_MOVE_DOWN, false);
    int count = static_cast<int>(m_root->GetCount());
    int index = m_root->IndexOf(m_treeItem);
    if (count < 2 || index < 0)
    {
        return;
    }
    m_panel->Enable(IDC_MOVE_UP, index > 0);
    m_panel->Enable(IDC_MOVE_DOWN, index < count - 1);
}

// Remove, Up and Down hand the entry to the root, which may delete it or its panel: nothing of this entry is used
// after the root has been called.
void CListItemProfileEntry::OnPanelCommand(UINT id, UINT code)
{
    if (code != BN_CLICKED)
    {
        return;
    }
    switch (id)
    {
    case IDC_BROWSE:
        Browse();
        break;
    case IDC_REMOVE_PROFILE:
        if (AskQuestion(IDS_REMOVE_PROFILE_QUESTION, m_path.c_str()) == IDYES && m_panel)
        {
            m_root->Remove(m_treeItem);
        }
        break;
    case IDC_MOVE_UP:
        m_root->MoveUp(m_treeItem);
        break;
    case IDC_MOVE_DOWN:
        m_root->MoveDown(m_treeItem);
        break;
    default:
        break;
    }
}

void CListItemProfileEntry::Browse()
{
    std::string path = m_panelPath;
    if (PromptListEntry(path, m_panel->GetSafeHwnd()) && m_panel)
    {
        m_panelPath = path;
        Apply();
    }
}

CListItemProfiles::CListItemProfiles() : CListItem(nullptr)
{
    m_value = FwLoadString(IDS_ITEM_PROFILES);
    m_hasValue = false;
    SetLook(kRootKind, kRootImage, kRootHelpContext);
}

BOOL CListItemProfiles::Load(const char* path)
{
    std::vector<std::string> paths;
    switch (ReadProfileListFile(path, paths))
    {
    case ProfileListResult::CannotOpen:
        Report(__LINE__, IDS_ZRH012_FILE_ACCESS, path);
        break;
    case ProfileListResult::ReadError:
        Report(__LINE__, IDS_ZRH013_LIST_CORRUPTED, path);
        break;
    default:
        break;
    }
    for (const std::string& line : paths)
    {
        std::unique_ptr<CListItemProfileEntry> entry(new (std::nothrow) CListItemProfileEntry(this, line));
        if (!entry)
        {
            Report(__LINE__, IDS_ZRH020_MEMORY);
            break;
        }
        m_entries.push_back(std::move(entry));
    }
    return TRUE;
}

BOOL CListItemProfiles::Save(const char* path) const
{
    std::vector<std::string> paths;
    paths.reserve(m_entries.size());
    for (const std::unique_ptr<CListItemProfileEntry>& entry : m_entries)
    {
        paths.push_back(entry->GetPath());
    }
    return WriteProfileListFile(path, paths);
}

BOOL CListItemProfiles::ValidateAll()
{
    if (m_entries.empty())
    {
        ShowMessage(IDS_ZRH024_EMPTY_LIST, nullptr, ZRMSG_MODE_BOX, ZRMSG_ERROR);
        return FALSE;
    }
    for (const std::unique_ptr<CListItemProfileEntry>& entry : m_entries)
    {
        if (!entry->Validate())
        {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CListItemProfiles::CreatePanel(HWND parent)
{
    return MakePanel(parent, IDD_PANEL_PROFILES);
}

BOOL CListItemProfiles::InsertIntoTree(HTREEITEM parent)
{
    if (!InsertNode(parent))
    {
        return FALSE;
    }
    for (const std::unique_ptr<CListItemProfileEntry>& entry : m_entries)
    {
        if (!entry->InsertIntoTree(m_treeItem))
        {
            return FALSE;
        }
    }
    ExpandNode(m_treeItem);
    return TRUE;
}

int CListItemProfiles::IndexOf(HTREEITEM node) const
{
    for (size_t index = 0; index < m_entries.size(); ++index)
    {
        if (node && m_entries[index]->GetTreeHandle() == node)
        {
            return static_cast<int>(index);
        }
    }
    return -1;
}

void CListItemProfiles::AddEntry(std::unique_ptr<CListItemProfileEntry> entry)
{
    CListItemProfileEntry& added = *entry;
    m_entries.push_back(std::move(entry));
    added.InsertIntoTree(m_treeItem);
    Select();
    ExpandNode(m_treeItem);
    MarkListModified();
}

void CListItemProfiles::Remove(HTREEITEM node)
{
    int index = IndexOf(node);
    if (index < 0)
    {
        return;
    }
    // The root takes the selection first, so the entry's panel goes before the entry.
    Select();
    m_entries[static_cast<size_t>(index)]->RemoveNode();
    m_entries.erase(m_entries.begin() + index);
    MarkListModified();
}

void CListItemProfiles::MoveUp(HTREEITEM node)
{
    Move(node, -1);
}

void CListItemProfiles::MoveDown(HTREEITEM node)
{
    Move(node, 1);
}

void CListItemProfiles::Move(HTREEITEM node, int step)
{
    int index = IndexOf(node);
    int other = index + step;
    if (index < 0 || other < 0 || other >= static_cast<int>(m_entries.size()))
    {
        return;
    }
    Select();
    for (size_t position = m_entries.size(); position-- > 0;)
    {
        m_entries[position]->RemoveNode();
    }
    std::swap(m_entries[static_cast<size_t>(index)], m_entries[static_cast<size_t>(other)]);
    for (const std::unique_ptr<CListItemProfileEntry>& entry : m_entries)
    {
        entry->InsertIntoTree(m_treeItem);
    }
    ExpandNode(m_treeItem);
    m_entries[static_cast<size_t>(other)]->Select();
    MarkListModified();
}

void CListItemProfiles::OnPanelCommand(UINT id, UINT code)
{
    if (id == IDC_ADD_PROFILE && code == BN_CLICKED)
    {
        AddProfile();
    }
}

void CListItemProfiles::AddProfile()
{
    std::string path;
    if (!PromptListEntry(path, m_panel->GetSafeHwnd()))
    {
        return;
    }
    std::unique_ptr<CListItemProfileEntry> entry(new (std::nothrow) CListItemProfileEntry(this, path));
    if (!entry)
    {
        ShowMessage(IDS_ZRH020_MEMORY, nullptr, ZRMSG_MODE_BOX, ZRMSG_ERROR);
        return;
    }
    AddEntry(std::move(entry));
}
