#include "ListItem.h"

#include "DialogHelpers.h"
#include "FwModule.h"
#include "FwText.h"
#include "HostItems.h"
#include "ParamTreeCtrl.h"
#include "PropertyItems.h"
#include "ZRProfile.h"
#include "ZRProfileContext.h"
#include "resource.h"

#include <cstring>
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
    CListItemPanel::Destroy(std::move(m_panel));
}

void CListItem::SetLook(int kind, int image, int helpContext)
{
    m_kind = kind;
    m_image = image;
    m_selectedImage = image;
    m_helpContext = helpContext;
}

BOOL CListItem::MakePanel(HWND parent, UINT templateId)
{
    std::unique_ptr<CListItemPanel> panel(new (std::nothrow) CListItemPanel(templateId, parent, this));
    if (!panel || !panel->Create())
    {
        return FALSE;
    }
    CListItemPanel& made = *panel;
    m_panel = std::move(panel);
    CListItemPanel::HandlerScope scope(made);
    OnPanelInit();
    if (m_panel)
    {
        Refresh();
    }
    return TRUE;
}

void CListItem::RefreshNode()
{
    if (!g_paramTree || !m_treeItem)
    {
        return;
    }
    HWND tree = g_paramTree->GetSafeHwnd();
    TVITEMA node{};
    node.mask = TVIF_TEXT;
    node.hItem = m_treeItem;
    node.pszText = const_cast<char*>(UpdateLabel());
    SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&node));
    RECT rect{};
    memcpy(&rect, &m_treeItem, sizeof(m_treeItem));
    if (SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)))
    {
        RECT client;
        GetClientRect(tree, &client);
        rect.right = client.right;
        InvalidateRect(tree, &rect, TRUE);
    }
    SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(m_treeItem));
}

void CListItem::RemoveNode()
{
    if (g_paramTree && m_treeItem)
    {
        SendMessageA(g_paramTree->GetSafeHwnd(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(m_treeItem));
    }
    m_treeItem = nullptr;
}

void CListItem::Select()
{
    if (g_paramTree && m_treeItem)
    {
        g_paramTree->SelectAndFocus(this);
    }
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
    m_treeItem = reinterpret_cast<HTREEITEM>(
        SendMessageA(g_paramTree->GetSafeHwnd(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
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

void CListItemPanel::Destroy(std::unique_ptr<CListItemPanel> panel)
{
    if (!panel)
    {
        return;
    }
    if (HWND window = panel->GetSafeHwnd())
    {
        DestroyWindow(window);
    }
    if (panel->m_handlerDepth > 0)
    {
        panel->m_item = nullptr;
        panel->m_deleteWhenDone = true;
        panel.release();
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

INT_PTR CALLBACK CListItemPanel::PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        CListItemPanel* panel = reinterpret_cast<CListItemPanel*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        panel->AttachHandle(window);
        return FALSE;
    }
    CListItemPanel* panel = reinterpret_cast<CListItemPanel*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!panel)
    {
        return FALSE;
    }
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        panel->DetachHandle();
        return FALSE;
    }
    if (message == WM_CLOSE)
    {
        return TRUE;
    }
    if (message != WM_COMMAND)
    {
        return FALSE;
    }
    UINT id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL || panel->IsExchanging() || !panel->m_item)
    {
        return TRUE;
    }
    CListItemPanel::HandlerScope scope(*panel);
    try
    {
        panel->m_item->OnPanelCommand(id, HIWORD(wParam));
    }
    catch (...)
    {
    }
    return TRUE;
}

bool CListItemPanel::IsListBox(UINT id) const
{
    char className[16] = "";
    GetClassNameA(GetDlgItem(id), className, sizeof(className));
    return lstrcmpiA(className, "ListBox") == 0;
}

std::string CListItemPanel::GetText(UINT id) const
{
    HWND control = GetDlgItem(id);
    int length = control ? GetWindowTextLengthA(control) : 0;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = control ? ::GetWindowTextA(control, text.data(), length + 1) : 0;
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void CListItemPanel::SetText(UINT id, const std::string& text)
{
    ExchangeGuard guard(*this);
    ::SetDlgItemTextA(m_hWnd, static_cast<int>(id), text.c_str());
}

bool CListItemPanel::IsChecked(UINT id) const
{
    return IsDlgButtonChecked(m_hWnd, static_cast<int>(id)) == BST_CHECKED;
}

void CListItemPanel::SetCheck(UINT id, bool checked)
{
    ExchangeGuard guard(*this);
    CheckDlgButton(m_hWnd, static_cast<int>(id), checked ? BST_CHECKED : BST_UNCHECKED);
}

int CListItemPanel::GetSelectedData(UINT id) const
{
    bool list = IsListBox(id);
    HWND control = GetDlgItem(id);
    LRESULT index = SendMessageA(control, list ? LB_GETCURSEL : CB_GETCURSEL, 0, 0);
    if (index < 0)
    {
        return -1;
    }
    return static_cast<int>(SendMessageA(control, list ? LB_GETITEMDATA : CB_GETITEMDATA, index, 0));
}

void CListItemPanel::SelectData(UINT id, int data)
{
    ExchangeGuard guard(*this);
    bool list = IsListBox(id);
    HWND control = GetDlgItem(id);
    LRESULT count = SendMessageA(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    LRESULT found = -1;
    for (LRESULT index = 0; index < count && found < 0; ++index)
    {
        if (static_cast<int>(SendMessageA(control, list ? LB_GETITEMDATA : CB_GETITEMDATA, index, 0)) == data)
        {
            found = index;
        }
    }
    SendMessageA(control, list ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void CListItemPanel::Show(UINT id, bool show) const
{
    ShowWindow(GetDlgItem(id), show ? SW_SHOW : SW_HIDE);
}

void CListItemPanel::Enable(UINT id, bool enable) const
{
    EnableWindow(GetDlgItem(id), enable);
}

void CListItemPanel::LimitText(UINT id, int characters) const
{
    SendMessageA(GetDlgItem(id), EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

CListItemGroup::CListItemGroup(CListItem* parent, UINT nameId, int kind, int image, int helpContext) : CListItem(parent)
{
    m_value = FwLoadString(nameId);
    m_hasValue = false;
    SetLook(kind, image, helpContext);
}

void CListItemGroup::AddChild(CListItem* child, ShowRule rule)
{
    if (child)
    {
        m_children.push_back(Child{std::unique_ptr<CListItem>(child), rule});
    }
}

BOOL CListItemGroup::CreatePanel(HWND parent)
{
    return MakePanel(parent, IDD_EMPTY_PANEL);
}

BOOL CListItemGroup::InsertIntoTree(HTREEITEM parent)
{
    UpdateValue();
    if (!InsertNode(parent) || !InsertChildren(0))
    {
        return FALSE;
    }
    SendMessageA(GetParamTree()->GetSafeHwnd(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(m_treeItem));
    return TRUE;
}

BOOL CListItemGroup::InsertChildren(size_t first)
{
    CZRProfile* profile = GetCurrentProfile();
    for (size_t index = first; index < m_children.size(); ++index)
    {
        const Child& child = m_children[index];
        if (child.rule && (!profile || !child.rule(*profile)))
        {
            continue;
        }
        if (!child.item->InsertIntoTree(m_treeItem))
        {
            return FALSE;
        }
    }
    return TRUE;
}

void CListItemGroup::RemoveChildren(size_t first)
{
    for (size_t index = first; index < m_children.size(); ++index)
    {
        m_children[index].item->RemoveNode();
    }
}

BOOL CListItemGroup::Validate()
{
    for (const Child& child : m_children)
    {
        if (child.item->GetTreeHandle() && !child.item->Validate())
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
    AddChild(new (std::nothrow) CListItemCodePage(this), &ShowsCodePage);
}

void CListItemGeneral::UpdateValue()
{
    CZRProfile* profile = GetCurrentProfile();
    if (!profile)
    {
        return;
    }
    bool hostToPc = profile->General().Get(ZRP_DIRECTION) == ZRDIR_HOST_TO_PC;
    m_value = FormatProfileCaption(hostToPc, HostText(*profile), TransferTypeText(*profile));
}

CListItemProfile::CListItemProfile()
    : CListItemGroup(nullptr, kProfileGroup.nameId, kProfileGroup.kind, kProfileGroup.image, kProfileGroup.helpContext)
{
    AddChild(new (std::nothrow) CListItemGeneral(this));
    AddChild(new (std::nothrow) CListItemHost(this));
    AddChild(new (std::nothrow) CListItemPc(this));
    AddChild(new (std::nothrow) CListItemAdvanced(this));
}
