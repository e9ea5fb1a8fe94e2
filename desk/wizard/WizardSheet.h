// The New-profile wizard's sheet and the protocol its pages share: the history of visited pages, forward and back
// entry, help text and help context, validation on Next with the field's name, and the wizard picture.
#pragma once

#include "ColorEdit.h"
#include "FwPropertySheet.h"
#include "WizardFlow.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CZRProfile;
struct ZRMFunctions;

class CWizBaseSheet : public CFwPropertySheet
{
public:
    CWizBaseSheet(UINT captionId, HWND parent);

    void PushPage(uint32_t pageId) { m_pageHistory.push_back(pageId); }
    // With two or more pages: drops the top one and gives the page now on top; else 0 and nothing dropped.
    int PopPage();

    int m_lastPageId = 0;
    std::vector<uint32_t> m_pageHistory;
};

class CWizHllapiNewProfileSheet;

// One wizard page, named by its template id.
class CWizPage : public CFwPropertyPage
{
    FW_DECLARE_MESSAGE_MAP()

public:
    CWizPage(UINT templateId, CWizHllapiNewProfileSheet& sheet);

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    void OnHelp() override;

    // Called on every activation before the forward-entry test (lists that are refilled each time).
    virtual void PrepareActivation() {}
    // The page's fields to their defaults (forward entry).
    virtual void ResetToDefaults() {}
    // Stored values to the controls, and back.
    virtual void ToControls() {}
    virtual void FromControls() {}
    // The next page after the page's checks; -1 stays.
    virtual int ChooseNextPage() = 0;
    virtual UINT HelpTextId() const = 0;
    virtual int HelpContext() const = 0;

    // Shows "Error ZRH007: Parameter '%s' is invalid." with the field name, focuses the control; -1.
    int Refuse(UINT fieldNameId, UINT control) const;
    // Wizard values shared by all pages.
    WizValues& Values() const;
    int Type() const;
    CWizHllapiNewProfileSheet& m_wizard;

private:
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);

    CColorEdit m_helpText;
    int m_activations = 0;
};

// The context the document gives the wizard: the profile kind (0-3), the current profile and its manager.
struct WizardContext
{
    int kind = 0;
    CZRProfile* profile = nullptr;
    ZRMFunctions* manager = nullptr;
};

class CWizHllapiNewProfileSheet : public CWizBaseSheet
{
public:
    CWizHllapiNewProfileSheet(UINT captionId, HWND parent, const WizardContext& context);
    ~CWizHllapiNewProfileSheet() override;

    const WizardContext& Context() const { return m_context; }
    WizValues& Values() { return m_values; }
    // The Finish page's result codes (valid after Finish).
    WizResult& Result() { return m_result; }

    // The caption string of a profile kind (0-3).
    static UINT CaptionOf(int kind);

private:
    WizardContext m_context;
    WizValues m_values;
    WizResult m_result;
    std::vector<std::unique_ptr<CWizPage>> m_pages;
};
