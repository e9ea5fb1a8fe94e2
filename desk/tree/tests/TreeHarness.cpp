#include "TreeHarness.h"

#include "DeskState.h"
#include "FwModule.h"
#include "ProgramWindows.h"
#include "WindowPicture.h"
#include "ZRProfileContext.h"
#include "ZRProfileHllAPI.h"
#include "ZRServiceCallbacks.h"
#include "PanelIds.h"
#include "resource.h"

#include <set>

#include <thread>

namespace
{
const char kHostClass[] = "PropertyTreeTestHost";

std::string BrowseText(int id)
{
    char text[32] = "";
    GetCurrentProfile()->Browse().GetValue(id, text);
    return text;
}

BOOL ZRTAPI FakeConnectHost()
{
    TestHost().calls.push_back("ConnectHost");
    return TestHost().connects;
}

BOOL ZRTAPI FakeDisconnectHost()
{
    TestHost().calls.push_back("DisconnectHost");
    return TRUE;
}

BOOL ZRTAPI FakeQueryHostInfo(char* text, int* number1, int* number2)
{
    const std::string& sessions = TestHost().sessions;
    sessions.copy(text, sessions.size());
    *number1 = static_cast<int>(sessions.size() / 3);
    *number2 = 0;
    return TRUE;
}

BOOL ZRTAPI FakeOpenBrowseAsync()
{
    FakeHost& host = TestHost();
    host.calls.push_back("OpenBrowseAsync");
    std::string request;
    for (int id = ZRP_BROWSE_REQUEST; id <= ZRP_BROWSE_CURRENT; ++id)
    {
        request += (id == ZRP_BROWSE_REQUEST ? "" : "|") + BrowseText(id);
    }
    host.browseRequests.push_back(request);
    if (host.postsOpen && host.notifies)
    {
        PostMessageA(g_environmentCallbacks.hwndNotify, WM_ZRTDESK_TRANSFER, ZRM_NOTIFY_REQUEST_DONE,
                     host.opensBrowse ? 1 : 0);
    }
    return host.postsOpen;
}

BOOL ZRTAPI FakeBrowseData()
{
    FakeHost& host = TestHost();
    host.calls.push_back(IsWindowEnabled(FwGetMainWindow()) ? "BrowseData owner enabled" : "BrowseData owner disabled");
    int id = BrowseText(ZRP_BROWSE_LIBRARY).empty() ? ZRP_BROWSE_LIBRARY
             : BrowseText(ZRP_BROWSE_FILE).empty()  ? ZRP_BROWSE_FILE
                                                    : ZRP_BROWSE_MEMBER;
    if (BrowseText(ZRP_BROWSE_REQUEST) == ZR_BROWSE_TABLES && !host.choice.empty())
    {
        GetCurrentProfile()->Browse().SetValue(id, host.choice.c_str());
    }
    return TRUE;
}

BOOL ZRTAPI FakeCloseBrowse()
{
    TestHost().calls.push_back("CloseBrowse");
    return TRUE;
}

CListItem* ItemOf(HWND tree, HTREEITEM node)
{
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = node;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return reinterpret_cast<CListItem*>(item.lParam);
}

std::string NameOf(const std::string& label)
{
    size_t at = label.find(" <");
    return at == std::string::npos ? label : label.substr(0, at);
}

HTREEITEM Next(HWND tree, HTREEITEM node, UINT relation)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(node)));
}

std::string LabelOf(HWND tree, HTREEITEM node)
{
    CListItem* item = ItemOf(tree, node);
    return item ? item->UpdateLabel() : std::string();
}
}

FakeHost& TestHost()
{
    static FakeHost host;
    return host;
}

TreeHarness::TreeHarness(int hostType, int direction, int transferType)
{
    TestHost() = FakeHost();
    m_profile.reset(new CZRProfileHllAPI(ZRCONN_HLLAPI, hostType, direction, transferType));
    m_profile->CreateHostRequest();
    m_profile->CreatePcRequest();
    SetCurrentProfile(m_profile.get());
    m_manager.ConnectHost = &FakeConnectHost;
    m_manager.DisconnectHost = &FakeDisconnectHost;
    m_manager.QueryHostInfo = &FakeQueryHostInfo;
    m_manager.OpenBrowseAsync = &FakeOpenBrowseAsync;
    m_manager.BrowseData = &FakeBrowseData;
    m_manager.CloseBrowse = &FakeCloseBrowse;
    Desk().manager = &m_manager;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &TreeHarness::HostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kHostClass;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&windowClass);
    m_host = CreateWindowExA(0, kHostClass, "Property tree", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 420, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND tree = CreateWindowExA(0, WC_TREEVIEWA, "",
                                WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                    TVS_SHOWSELALWAYS,
                                6, 6, 300, 380, m_host, reinterpret_cast<HMENU>(IDC_PARAM_TREE), nullptr, nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD, 312, 6, 370, 380, m_host, reinterpret_cast<HMENU>(IDC_PANEL_PLACE),
                    nullptr, nullptr);
    m_tree.SubclassWindow(tree);
    SetParamTree(&m_tree);
    FwSetMainWindow(m_host);
}

TreeHarness::~TreeHarness()
{
    m_root.reset();
    SetParamTree(nullptr);
    DestroyWindow(m_host);
    Desk().manager = nullptr;
    FwSetMainWindow(nullptr);
    SetCurrentProfile(nullptr);
}

void TreeHarness::Build()
{
    m_root.reset();
    SendMessageA(Tree(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    m_root.reset(new CListItemProfile);
    m_root->InsertIntoTree(TVI_ROOT);
    m_profile->SetModified(FALSE);
}

LRESULT CALLBACK TreeHarness::HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_NOTIFY || wParam != IDC_PARAM_TREE)
    {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == TVN_GETDISPINFOA)
    {
        NMTVDISPINFOA* info = reinterpret_cast<NMTVDISPINFOA*>(lParam);
        if (CListItem* item = reinterpret_cast<CListItem*>(info->item.lParam))
        {
            info->item.pszText = const_cast<char*>(item->UpdateLabel());
        }
    }
    else if (header->code == TVN_SELCHANGEDA)
    {
        NMTREEVIEWA* change = reinterpret_cast<NMTREEVIEWA*>(lParam);
        if (CListItem* old = reinterpret_cast<CListItem*>(change->itemOld.lParam))
        {
            old->DestroyPanel();
        }
        if (CListItem* item = reinterpret_cast<CListItem*>(change->itemNew.lParam))
        {
            item->CreatePanel(window);
        }
    }
    return 0;
}

HTREEITEM TreeHarness::Find(const std::string& path) const
{
    HTREEITEM node = Next(Tree(), nullptr, TVGN_ROOT);
    size_t start = 0;
    while (node)
    {
        size_t slash = path.find('/', start);
        std::string part = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        HTREEITEM child = Next(Tree(), node, TVGN_CHILD);
        while (child && NameOf(LabelOf(Tree(), child)) != part)
        {
            child = Next(Tree(), child, TVGN_NEXT);
        }
        if (!child || slash == std::string::npos)
        {
            return child;
        }
        node = child;
        start = slash + 1;
    }
    return nullptr;
}

bool TreeHarness::Select(const std::string& path)
{
    HTREEITEM node = Find(path);
    return node && SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
}

std::string TreeHarness::Label(const std::string& path) const
{
    HTREEITEM node = Find(path);
    return node ? LabelOf(Tree(), node) : std::string();
}

std::vector<std::string> TreeHarness::Children(const std::string& group) const
{
    std::vector<std::string> labels;
    HTREEITEM parent = group.empty() ? Next(Tree(), nullptr, TVGN_ROOT) : Find(group);
    for (HTREEITEM child = parent ? Next(Tree(), parent, TVGN_CHILD) : nullptr; child;
         child = Next(Tree(), child, TVGN_NEXT))
    {
        labels.push_back(LabelOf(Tree(), child));
    }
    return labels;
}

std::string TreeHarness::SelectedName() const
{
    HTREEITEM node = Next(Tree(), nullptr, TVGN_CARET);
    return node ? NameOf(LabelOf(Tree(), node)) : std::string();
}

HWND TreeHarness::Panel() const
{
    HTREEITEM node = Next(Tree(), nullptr, TVGN_CARET);
    CListItem* item = node ? ItemOf(Tree(), node) : nullptr;
    return item && item->GetPanel() ? item->GetPanel()->GetSafeHwnd() : nullptr;
}

void TreeHarness::Type(int id, const std::string& text) const
{
    SetWindowTextA(GetDlgItem(Panel(), id), text.c_str());
}

void TreeHarness::Keys(int id, const std::string& keys) const
{
    HWND edit = GetDlgItem(Panel(), id);
    int end = GetWindowTextLengthA(edit);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
    for (char key : keys)
    {
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(key), 0);
    }
}

void TreeHarness::ChooseIndex(int id, int index) const
{
    HWND combo = GetDlgItem(Panel(), id);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(Panel(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void TreeHarness::Click(int id) const
{
    SendMessageA(GetDlgItem(Panel(), id), BM_CLICK, 0, 0);
}

void TreeHarness::Choose(int id, int data) const
{
    HWND control = GetDlgItem(Panel(), id);
    char className[16] = "";
    GetClassNameA(control, className, sizeof(className));
    bool list = lstrcmpiA(className, "ListBox") == 0;
    LRESULT count = SendMessageA(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index)
    {
        if (SendMessageA(control, list ? LB_GETITEMDATA : CB_GETITEMDATA, static_cast<WPARAM>(index), 0) == data)
        {
            SendMessageA(control, list ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0);
            SendMessageA(Panel(), WM_COMMAND, MAKEWPARAM(id, list ? LBN_SELCHANGE : CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(control));
            return;
        }
    }
}

void TreeHarness::SavePicture(const std::string& name) const
{
    RedrawWindow(m_host, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
    {
        DispatchMessageA(&message);
    }
    TakeWindowPicture(m_host).Save(name);
}

bool TreeHarness::Save(const std::string& path)
{
    m_profile->SetFileName(path.c_str());
    if (!m_root->Validate() || !m_profile->Write())
    {
        return false;
    }
    m_profile->SetModified(FALSE);
    return true;
}

std::string ProfileKey(const std::string& path, const char* section, const char* key)
{
    char text[512] = "";
    GetPrivateProfileStringA(section, key, "<missing>", text, sizeof(text), path.c_str());
    return text;
}

void AnswerOpenDialogLater(const std::string& name)
{
    std::thread([name] {
        HWND open = WaitTopLevelWindow(WindowQuery{GetCurrentProcessId(), "#32770", CaptionIs("Open")}, 15000);
        if (open)
        {
            SetDlgItemTextA(open, 1148, name.c_str());
            PostMessageA(open, WM_COMMAND, IDOK, 0);
        }
    }).detach();
}

ConfirmationAnswerer::ConfirmationAnswerer(int button, bool tick)
    : m_thread([this, button, tick] {
          std::set<HWND> answered;
          while (!m_stop)
          {
              for (HWND dialog : TopLevelWindows(WindowQuery{GetCurrentProcessId(), "#32770", CaptionIs("ZRT")}))
              {
                  if (GetDlgItem(dialog, IDC_CONFIRM_DONT_ASK) && IsWindowVisible(dialog) &&
                      answered.insert(dialog).second)
                  {
                      ++m_seen;
                      if (tick)
                      {
                          CheckDlgButton(dialog, IDC_CONFIRM_DONT_ASK, BST_CHECKED);
                      }
                      PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
                  }
              }
              Sleep(20);
          }
      })
{
}

ConfirmationAnswerer::~ConfirmationAnswerer()
{
    m_stop = true;
    m_thread.join();
}

HWND WaitForHostWaitDialog()
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND dialog : TopLevelWindows(WindowQuery{GetCurrentProcessId(), "#32770", {}}))
            {
                if (GetDlgItem(dialog, IDC_WAIT_ANIMATION))
                {
                    found = dialog;
                }
            }
            return found != nullptr;
        },
        10000);
    return found;
}
