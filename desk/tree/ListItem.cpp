#include "ListItem.h"

#include "FwModule.h"
#include "FwText.h"
#include "ParamTreeCtrl.h"
#include "ZRProfile.h"
#include "ZRProfileContext.h"
#include "resource.h"

#include <new>

namespace
{
CParamTreeCtrl* g_paramTree = nullptr;

const size_t kLabelSize = 260;
const char kEllipsis[] = "...";

// Kinds, images and help contexts of the group items.
struct GroupSpec
{
    UINT nameId;
    int kind;
    int image;
    int helpContext;
};
const GroupSpec kProfileGroup{IDS_ITEM_PROFILE, 0, 0, 26};
const GroupSpec kGeneralGroup{IDS_ITEM_GENERAL, 1, 1, 4};
const GroupSpec kHostGroup{IDS_ITEM_HOST, 3, 3, 35};
const GroupSpec kPcGroup{IDS_ITEM_PC, 13, 10, 5};
const GroupSpec kAdvancedGroup{IDS_ITEM_ADVANCED, 17, 11, 6};

std::string HostText(const CZRProfile& profile)
{
    if (profile.General().Get(ZRP_HOST_TYPE) == ZRHOST_AS400)
    {
        return FwLoadString(IDS_AS400);
    }
    bool member = profile.HostRequest() && profile.HostRequest()->IsMemberName();
    return FwLoadString(member ? IDS_S36_MEMBER : IDS_S36_FILE);
}

std::string TransferTypeText(const CZRProfile& profile)
{
    switch (profile.General().Get(ZRP_TRANSFER_TYPE))
    {
    case ZRTT_CONVERSION:
        return FwLoadString(IDS_DATABASE);
    case ZRTT_PLAIN:
        return FwLoadString(profile.General().Get(ZRP_HOST_TYPE) == ZRHOST_S36 && profile.HostRequest() &&
                                    profile.HostRequest()->IsMemberName()
                                ? IDS_SOURCE_PROCEDURE
                                : IDS_PLAIN_TEXT);
    case ZRTT_BINARY:
        return FwLoadString(IDS_BINARY);
    case ZRTT_DDS:
        return FwLoadString(IDS_DDS);
    default:
        return std::string();
    }
}
}

CParamTreeCtrl* GetParamTree()
{
    return g_paramTree;
}

void SetParamTree(CParamTreeCtrl* tree)
{
    g_paramTree = tree;
}

CListItem::CListItem(CListItem* parent) : m_parent(parent)
{
}

CListItem::~CListItem()
{
    DestroyPanel();
}

void CListItem::DestroyPanel()
{
    if (m_panel && m_panel->GetSafeHwnd())
    {
        DestroyWindow(m_panel->GetSafeHwnd());
    }
    m_panel.reset();
}

const char* CListItem::UpdateLabel()
{
    size_t length = m_hasValue ? m_name.size() + 3 + m_value.size() : m_value.size();
    if (length >= kLabelSize)
    {
        size_t others = length - m_value.size();
        size_t keep = kLabelSize - 4 > others ? kLabelSize - 4 - others : 0;
        m_value = m_value.substr(0, keep) + kEllipsis;
    }
    std::string label = m_hasValue ? m_name + " <" + m_value + ">" : m_value;
    lstrcpynA(m_label, label.c_str(), sizeof(m_label));
    return m_label;
}

BOOL CListItem::InsertNode(HTREEITEM parent)
{
    if (!g_paramTree)
    {
        return FALSE;
    }
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = LPSTR_TEXTCALLBACKA;
    insert.item.iImage = m_image;
    insert.item.iSelectedImage = m_selectedImage;
    insert.item.lParam = reinterpret_cast<LPARAM>(this);
    m_treeItem = reinterpret_cast<HTREEITEM>(SendMessageA(g_paramTree->GetSafeHwnd(), TVM_INSERTITEMA, 0,
                                                          reinterpret_cast<LPARAM>(&insert)));
    return m_treeItem != nullptr;
}

CListItemPanel::CListItemPanel(UINT templateId, HWND parent, CListItem* item)
    : m_templateId(templateId), m_parentWindow(parent), m_item(item)
{
}

CListItemPanel::~CListItemPanel()
{
    if (m_hWnd)
    {
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        DetachHandle();
    }
}

BOOL CListItemPanel::Create()
{
    HWND window = CreateDialogParamA(FwFindResourceModule(RT_DIALOG, m_templateId), MAKEINTRESOURCEA(m_templateId),
                                     m_parentWindow, &CListItemPanel::PanelProc, reinterpret_cast<LPARAM>(this));
    if (!window)
    {
        return FALSE;
    }
    WINDOWPLACEMENT place{};
    place.length = sizeof(place);
    GetWindowPlacement(::GetDlgItem(m_parentWindow, IDC_PANEL_PLACE), &place);
    RECT rect = place.rcNormalPosition;
    SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
    return TRUE;
}

INT_PTR CALLBACK CListItemPanel::PanelProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        CListItemPanel* panel = reinterpret_cast<CListItemPanel*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        panel->AttachHandle(window);
        return FALSE;
    }
    CListItemPanel* panel = reinterpret_cast<CListItemPanel*>(GetWindowLongPtrA(window, DWLP_USER));
    if (panel && message == WM_NCDESTROY)
    {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        panel->DetachHandle();
    }
    return FALSE;
}

CListItemGroup::CListItemGroup(CListItem* parent, UINT nameId, int kind, int image, int helpContext)
    : CListItem(parent)
{
    m_value = FwLoadString(nameId);
    m_hasValue = false;
    m_kind = kind;
    m_image = image;
    m_selectedImage = image;
    m_helpContext = helpContext;
}

void CListItemGroup::AddChild(CListItem* child)
{
    if (child)
    {
        m_children.emplace_back(child);
    }
}

BOOL CListItemGroup::CreatePanel(HWND parent)
{
    std::unique_ptr<CListItemPanel> panel(new (std::nothrow) CListItemPanel(IDD_EMPTY_PANEL, parent, this));
    if (!panel || !panel->Create())
    {
        return FALSE;
    }
    m_panel = std::move(panel);
    return TRUE;
}

BOOL CListItemGroup::InsertIntoTree(HTREEITEM parent)
{
    UpdateValue();
    if (!InsertNode(parent))
    {
        return FALSE;
    }
    for (const std::unique_ptr<CListItem>& child : m_children)
    {
        if (!child->InsertIntoTree(m_treeItem))
        {
            return FALSE;
        }
    }
    SendMessageA(GetParamTree()->GetSafeHwnd(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(m_treeItem));
    return TRUE;
}

BOOL CListItemGroup::Validate()
{
    for (const std::unique_ptr<CListItem>& child : m_children)
    {
        if (child->GetTreeHandle() && !child->Validate())
        {
            return FALSE;
        }
    }
    return TRUE;
}

CListItemGeneral::CListItemGeneral(CListItem* parent)
    : CListItemGroup(parent, kGeneralGroup.nameId, kGeneralGroup.kind, kGeneralGroup.image, kGeneralGroup.helpContext)
{
    m_name = m_value;
    m_hasValue = true;
}

void CListItemGeneral::UpdateValue()
{
    CZRProfile* profile = GetCurrentProfile();
    if (!profile)
    {
        return;
    }
    std::string host = HostText(*profile);
    std::string pc = FwLoadString(IDS_PC);
    bool hostToPc = profile->General().Get(ZRP_DIRECTION) == ZRDIR_HOST_TO_PC;
    m_value = FwFormatArgs(FwLoadString(IDS_PROFILE_CAPTION),
                           {hostToPc ? host : pc, hostToPc ? pc : host, FwLoadString(IDS_HLLAPI),
                            TransferTypeText(*profile)});
}

CListItemProfile::CListItemProfile()
    : CListItemGroup(nullptr, kProfileGroup.nameId, kProfileGroup.kind, kProfileGroup.image, kProfileGroup.helpContext)
{
    AddChild(new (std::nothrow) CListItemGeneral(this));
    for (const GroupSpec* spec : {&kHostGroup, &kPcGroup, &kAdvancedGroup})
    {
        AddChild(new (std::nothrow) CListItemGroup(this, spec->nameId, spec->kind, spec->image, spec->helpContext));
    }
}
