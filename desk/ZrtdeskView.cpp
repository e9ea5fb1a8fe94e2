#include "ZrtdeskView.h"

#include "DeskState.h"
#include "FwFrameWnd.h"
#include "FwModule.h"
#include "ListItem.h"
#include "ZRServiceCallbacks.h"
#include "ZrtdeskDoc.h"
#include "resource.h"

namespace
{
const int kTreeImageWidth = 18;
const COLORREF kMaskColour = RGB(0, 128, 128);
}

CZrtdeskView::CZrtdeskView() : CFwFormView(IDD_ZRTDESK_FORM)
{
}

CZrtdeskView::~CZrtdeskView()
{
    if (GetParamTree() == &m_tree)
    {
        SetParamTree(nullptr);
    }
}

const FwMessageMap* CZrtdeskView::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_NOTIFY(TVN_GETDISPINFOA, IDC_PARAM_TREE, &CZrtdeskView::OnGetDispInfo),
        FW_ON_NOTIFY(TVN_SELCHANGEDA, IDC_PARAM_TREE, &CZrtdeskView::OnSelChanged),
        FW_ON_NOTIFY(TVN_DELETEITEMA, IDC_PARAM_TREE, &CZrtdeskView::OnDeleteItem),
    };
    static const FwMessageMap map{CFwFormView::ClassMessageMap(), entries};
    return &map;
}

void CZrtdeskView::OnInitForm()
{
    m_tree.SubclassDlgItem(IDC_PARAM_TREE, m_hWnd);
}

void CZrtdeskView::OnInitialUpdate()
{
    CFwFrameWnd* frame = GetParentFrame();
    frame->RecalcLayout();
    ResizeParentToFit();
    SetParamTree(&m_tree);
    if (!m_images.GetSafeHandle())
    {
        m_images.LoadBitmap(IDB_TREE_IMAGES, kTreeImageWidth, 1, kMaskColour);
        m_images.SetBkColor(CLR_NONE);
        SendMessageA(m_tree.GetSafeHwnd(), TVM_SETIMAGELIST, TVSIL_NORMAL,
                     reinterpret_cast<LPARAM>(m_images.GetSafeHandle()));
    }
    if (Desk().firstShow)
    {
        frame->CenterWindow();
        Desk().firstShow = false;
    }
    CZrtdeskDoc* document = static_cast<CZrtdeskDoc*>(GetDocument());
    CListItem* root = nullptr;
    if (document)
    {
        root = Desk().listMode == ZRLIST_PROFILE ? document->GetProfileRoot() : document->GetListRoot();
    }
    if (root && root->InsertIntoTree(TVI_ROOT))
    {
        m_tree.SelectAndFocus(root);
    }
    g_environmentCallbacks.hwndNotify = FwGetMainWindow();
}

LRESULT CZrtdeskView::OnGetDispInfo(WPARAM, LPARAM lParam)
{
    NMTVDISPINFOA* info = reinterpret_cast<NMTVDISPINFOA*>(lParam);
    CListItem* item = reinterpret_cast<CListItem*>(info->item.lParam);
    if (item && (info->item.mask & TVIF_TEXT))
    {
        char* label = const_cast<char*>(item->UpdateLabel());
        info->item.pszText = label;
        TVITEMA node{};
        node.mask = TVIF_TEXT;
        node.hItem = info->item.hItem;
        node.pszText = label;
        SendMessageA(m_tree.GetSafeHwnd(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&node));
    }
    return 0;
}

LRESULT CZrtdeskView::OnSelChanged(WPARAM, LPARAM lParam)
{
    NMTREEVIEWA* change = reinterpret_cast<NMTREEVIEWA*>(lParam);
    if (CListItem* old = reinterpret_cast<CListItem*>(change->itemOld.lParam))
    {
        old->DestroyPanel();
    }
    if (CListItem* item = reinterpret_cast<CListItem*>(change->itemNew.lParam))
    {
        item->CreatePanel(m_hWnd);
        FwSetHelpContext(item->GetHelpContext());
    }
    SetFocus(m_tree.GetSafeHwnd());
    return 0;
}

LRESULT CZrtdeskView::OnDeleteItem(WPARAM, LPARAM)
{
    return 0;
}
