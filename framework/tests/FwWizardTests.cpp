#include "FwModule.h"
#include "FwPropertySheet.h"
#include "FwResourceIds.h"
#include "FwTestIds.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace
{
// What the pages saw and what they do: each activation records the page and its sheet's caption and owner state,
// then presses the next scripted button. Next and Back answer from the per-page tables.
struct WizardScript
{
    std::deque<int> buttons;  // PSBTN_NEXT, PSBTN_BACK, PSBTN_FINISH, PSBTN_CANCEL
    std::vector<UINT> visited;
    std::vector<std::string> captions;
    HWND owner = nullptr;
    bool ownerDisabledWhileShown = true;
    bool ownedByOwner = true;
    int refuseNextOnce = 0;  // the page that stays once on Next
};

class CScriptedPage : public CFwPropertyPage
{
public:
    CScriptedPage(UINT id, WizardScript& script, LRESULT next, LRESULT back)
        : CFwPropertyPage(id), m_script(script), m_next(next), m_back(back)
    {
    }

protected:
    BOOL OnSetActive() override
    {
        HWND sheet = GetParent(m_hWnd);
        m_script.visited.push_back(GetTemplateId());
        char caption[64] = {};
        ::GetWindowTextA(sheet, caption, sizeof(caption));
        m_script.captions.push_back(caption);
        if (m_script.owner)
        {
            m_script.ownedByOwner &= GetWindow(sheet, GW_OWNER) == m_script.owner;
            m_script.ownerDisabledWhileShown &= !IsWindowEnabled(m_script.owner);
        }
        GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_FINISH);
        PressNext();
        return TRUE;
    }
    LRESULT OnWizardNext() override
    {
        if (m_script.refuseNextOnce == static_cast<int>(GetTemplateId()))
        {
            m_script.refuseNextOnce = 0;
            m_script.visited.push_back(0);
            PressNext();
            return -1;
        }
        return m_next;
    }
    LRESULT OnWizardBack() override { return m_back; }

private:
    void PressNext()
    {
        if (m_script.buttons.empty())
        {
            return;
        }
        int button = m_script.buttons.front();
        m_script.buttons.pop_front();
        PostMessageA(GetParent(m_hWnd), PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
    }

    WizardScript& m_script;
    LRESULT m_next;
    LRESULT m_back;
};

// The three pages: the first jumps over the second to the third, whose Back jumps to the first again.
INT_PTR RunWizard(WizardScript& script, HWND parent = nullptr)
{
    CScriptedPage first(IDD_FW_WIZARD_FIRST, script, IDD_FW_WIZARD_THIRD, 0);
    CScriptedPage second(IDD_FW_WIZARD_SECOND, script, 0, 0);
    CScriptedPage third(IDD_FW_WIZARD_THIRD, script, 0, IDD_FW_WIZARD_FIRST);
    CFwPropertySheet sheet(IDS_FW_WIZARD_CAPTION, parent);
    sheet.SetOptions(PSH_WIZARD, 0);
    sheet.SetPageTitle(IDS_FW_WIZARD_CAPTION);
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.AddPage(&third);
    return sheet.DoModal();
}
}

TEST(FwWizard, NextAndBackJumpToPagesByTemplateIdOrStay)
{
    WizardScript script;
    script.refuseNextOnce = IDD_FW_WIZARD_THIRD;
    script.buttons = {PSBTN_NEXT, PSBTN_BACK, PSBTN_NEXT, PSBTN_NEXT, PSBTN_FINISH};
    EXPECT_EQ(RunWizard(script), ID_WIZFINISH);
    std::vector<UINT> expected{IDD_FW_WIZARD_FIRST, IDD_FW_WIZARD_THIRD, IDD_FW_WIZARD_FIRST, IDD_FW_WIZARD_THIRD, 0};
    EXPECT_EQ(script.visited, expected);
    for (const std::string& caption : script.captions)
    {
        EXPECT_EQ(caption, "Fw Wizard");
    }
}

TEST(FwWizard, CancelEndsWithCancelWhateverThePage)
{
    WizardScript script;
    script.buttons = {PSBTN_NEXT, PSBTN_CANCEL};
    EXPECT_EQ(RunWizard(script), IDCANCEL);
    EXPECT_EQ(script.visited.size(), 2u);
}

TEST(FwWizard, WithoutParentTheMainWindowOwnsTheSheetAndIsDisabledMeanwhile)
{
    HWND main = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(main, nullptr);
    FwSetMainWindow(main);
    WizardScript script;
    script.owner = main;
    script.buttons = {PSBTN_FINISH};
    EXPECT_EQ(RunWizard(script), ID_WIZFINISH);
    EXPECT_TRUE(script.ownedByOwner);
    EXPECT_TRUE(script.ownerDisabledWhileShown);
    EXPECT_TRUE(IsWindowEnabled(main));
    FwSetMainWindow(nullptr);
    DestroyWindow(main);
}
