#include "FwModule.h"
#include "FwProbeDialog.h"
#include "OwnedHandles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
bool Has(const std::vector<std::string>& events, const std::string& event)
{
    return std::find(events.begin(), events.end(), event) != events.end();
}
}

TEST(FwDialog, HandlerTableRoutesPrivateMessagesCommandsAndControlNotifications)
{
    LRESULT privateResult = 0;
    CProbeDialog dialog([&](CProbeDialog& d) {
        privateResult = SendMessageA(d.GetSafeHwnd(), CProbeDialog::kPrivate, 7, 9);
        SendMessageA(d.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_FW_BUTTON, BN_CLICKED),
                     reinterpret_cast<LPARAM>(d.GetDlgItem(IDC_FW_BUTTON)));
        SetDlgItemTextA(d.GetSafeHwnd(), IDC_FW_EDIT, "typed");
        d.EndDialog(77);
    });
    EXPECT_EQ(dialog.DoModal(), 77);
    EXPECT_EQ(privateResult, 1234);
    EXPECT_TRUE(Has(dialog.events, "private 7 9"));
    EXPECT_TRUE(Has(dialog.events, "button"));
    EXPECT_TRUE(Has(dialog.events, "edit changed"));
}

TEST(FwDialog, EnterGoesToTheOverridableOkHandler)
{
    CProbeDialog dialog([](CProbeDialog& d) {
        d.refuseOk = true;
        SendMessageA(d.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(IsWindow(d.GetSafeHwnd()));
        d.refuseOk = false;
        PostMessageA(d.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(std::count(dialog.events.begin(), dialog.events.end(), "ok"), 2);
}

TEST(FwDialog, CloseBoxAndEscapeEndWithCancel)
{
    CProbeDialog closing([](CProbeDialog& d) { PostMessageA(d.GetSafeHwnd(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(closing.DoModal(), IDCANCEL);
    EXPECT_EQ(closing.GetSafeHwnd(), nullptr);
}

TEST(FwDialog, DataExchangePushesAndPullsTexts)
{
    std::string shown;
    CProbeDialog dialog([&](CProbeDialog& d) {
        char text[64] = {};
        GetDlgItemTextA(d.GetSafeHwnd(), IDC_FW_TEXT, text, sizeof(text));
        shown = text;
        d.SetDlgItemText(IDC_FW_TEXT, "changed by the user");
        d.UpdateData(TRUE);
        d.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(shown, "pushed");
    EXPECT_EQ(dialog.text, "changed by the user");
}

TEST(FwDialog, EndingInInitDialogReturnsAtOnce)
{
    CProbeDialog dialog([](CProbeDialog&) { FAIL() << "the script must not run"; });
    dialog.endInInit = true;
    EXPECT_EQ(dialog.DoModal(), 5);
}

TEST(FwDialog, ParentForwardsOwnerDrawAndDisplayRequestsToTheControlObject)
{
    std::string cell;
    CProbeDialog dialog([&](CProbeDialog& d) {
        d.list.InsertColumn(0, "A", LVCFMT_LEFT, 80);
        d.list.InsertColumn(1, "B", LVCFMT_LEFT, 80);
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = 0;
        item.pszText = LPSTR_TEXTCALLBACKA;
        item.lParam = 42;
        d.list.InsertItem(item);
        cell = d.list.GetItemString(0, 1);
        d.list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        RedrawWindow(d.list.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        SetWindowTextA(d.list.GetSafeHwnd(), "list text");
        d.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(cell, "row 42 col 1");
    EXPECT_TRUE(Has(dialog.list.events, "draw"));
    EXPECT_TRUE(Has(dialog.list.events, "settext list text"));
    EXPECT_TRUE(Has(dialog.events, "selected 0")) << "notifications the control leaves alone reach the dialog";
    EXPECT_EQ(CFwWnd::FromHandle(dialog.list.GetSafeHwnd()), nullptr);
}

TEST(FwModule, StringsComeFromTheResourceModuleWithTheProgramAsFallback)
{
    EXPECT_EQ(FwLoadString(IDS_FW_PROGRAM_ONLY), "Program text");
    const OwnedModule other(LoadLibraryExA("comctl32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_NE(other.Get(), nullptr);
    FwSetResourceModule(other.Get());
    EXPECT_EQ(FwLoadString(IDS_FW_PROGRAM_ONLY), "Program text");
    EXPECT_EQ(FwLoadString(other.Get(), IDS_FW_PROGRAM_ONLY), "");
    FwSetResourceModule(nullptr);
}

TEST(FwModule, ADialogWithoutParentIsOwnedByTheInnermostShownDialogWhicheverWindowIsActive)
{
    FwSetMainWindow(nullptr);
    HWND outerWindow = nullptr;
    HWND innerOwner = nullptr;
    bool outerDisabled = false;
    CProbeDialog outer([&](CProbeDialog& o) {
        outerWindow = o.GetSafeHwnd();
        // Another window of the program is the active one, as when the program was in the background meanwhile.
        HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                     nullptr, nullptr, nullptr);
        SetActiveWindow(other);
        CProbeDialog inner([&](CProbeDialog& i) {
            innerOwner = GetWindow(i.GetSafeHwnd(), GW_OWNER);
            outerDisabled = !IsWindowEnabled(outerWindow);
            i.EndDialog(IDOK);
        });
        inner.DoModal();
        DestroyWindow(other);
        o.EndDialog(IDOK);
    });
    outer.DoModal();
    EXPECT_EQ(innerOwner, outerWindow);
    EXPECT_TRUE(outerDisabled);
}
