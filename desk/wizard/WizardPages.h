// The fifteen pages of the New-profile wizard, each named by its template id (WizardIds.h).
#pragma once

#include "EditFilters.h"
#include "WizardIds.h"
#include "WizardSheet.h"

#include <memory>
#include <vector>

// Helpers of the pages: a list entry's text; the entry with exactly that text selected (its index, or -1 and no
// selection); the selected entry's text and value; an edit's text; the checked one of the two radio buttons (-1
// none).
std::string ListItemText(HWND list, int index);
int SelectListText(HWND list, const std::string& text);
bool SelectedListItem(HWND list, std::string& text, int& value);
std::string PageEditText(HWND page, UINT id);
void CheckRadioChoice(HWND page, int checked);
int CheckedRadioChoice(HWND page);

// The pages in sheet order.
std::vector<std::unique_ptr<CWizPage>> MakeWizardPages(CWizHllapiNewProfileSheet& sheet);

// 181: the transfer type.
class CProfileTypePage : public CWizPage
{
public:
    explicit CProfileTypePage(CWizHllapiNewProfileSheet& sheet);
    // The value of the selected list entry (7-21), 0 with none.
    int GetTransferType() const;

protected:
    BOOL OnInitDialog() override;
    void ResetToDefaults() override;
    void ToControls() override;
    int ChooseNextPage() override;
    UINT HelpTextId() const override;
    int HelpContext() const override;

private:
    std::string m_selected;
};

// 147: the host session.
class CSessionIdPage : public CWizPage
{
public:
    explicit CSessionIdPage(CWizHllapiNewProfileSheet& sheet);

protected:
    void PrepareActivation() override;
    void ResetToDefaults() override;
    int ChooseNextPage() override;
    UINT HelpTextId() const override { return IDS_WIZ_HELP_SESSION; }
    int HelpContext() const override { return 12; }
};

// 148: library, file and member on the AS/400.
class CAs400DestinationPage : public CWizPage
{
    FW_DECLARE_MESSAGE_MAP()

public:
    explicit CAs400DestinationPage(CWizHllapiNewProfileSheet& sheet);

protected:
    BOOL OnInitDialog() override;
    void PrepareActivation() override;
    void ResetToDefaults() override;
    void ToControls() override;
    void FromControls() override;
    int ChooseNextPage() override;
    UINT HelpTextId() const override;
    int HelpContext() const override { return 13; }

private:
    LRESULT OnNameChanged(WPARAM wParam, LPARAM lParam);
    // The browse buttons: library, file, member, "DDS..." and "View...".
    LRESULT OnBrowse(WPARAM wParam, LPARAM lParam);
    void UpdateEnabling() const;

    CHostNameEdit m_library;
    CHostNameEdit m_file;
    CHostNameEdit m_member;
};

// 157: the System/36 file.
class CS36FileDestinationPage : public CWizPage
{
public:
    explicit CS36FileDestinationPage(CWizHllapiNewProfileSheet& sheet);

protected:
    BOOL OnInitDialog() override;
    void ResetToDefaults() override;
    void ToControls() override;
    void FromControls() override;
    int ChooseNextPage() override;
    UINT HelpTextId() const override;
    int HelpContext() const override { return 14; }

private:
    CNoSpaceEdit m_file;
};

// 158: library and member on the System/36.
class CS36MemberDestinationPage : public CWizPage
{
    FW_DECLARE_MESSAGE_MAP()

public:
    explicit CS36MemberDestinationPage(CWizHllapiNewProfileSheet& sheet);

protected:
    BOOL OnInitDialog() override;
    void PrepareActivation() override;
    void ResetToDefaults() override;
    void ToControls() override;
    void FromControls() override;
    int ChooseNextPage() override;
    UINT HelpTextId() const override;
    int HelpContext() const override { return 14; }

private:
    LRESULT OnLibraryChanged(WPARAM wParam, LPARAM lParam);
    void UpdateEnabling() const;

    CNoSpaceEdit m_library;
    CNoSpaceEdit m_member;
};

// 150: host file type or member type.
class CHostFileTypePage : public CWizPage
{
public:
    explicit CHostFileTypePage(CWizHllapiNewProfileSheet& sheet);

protected:
    void PrepareActivation() override;
    void ResetToDefaults() override;
    void ToControls() override;
    void FromControls() override;
    int ChooseNextPage() override;
    UINT HelpTextId() const override;
    int HelpContext() const override;

private:
    int m_checked = -1;
};

// 153: host write mode.
class CHostWriteModePage : public CWizPage
{
public:
    explicit CHostWriteModePage(CWizHllapiNewProfileSheet& sheet);

protected:
    void PrepareActivation() override;
    void ResetToDefaults() override;
    void ToControls() override;
    void FromControls() override;
    int ChooseNextPage() override;
    UINT HelpTextId() const override;
    int HelpContext() const override { return 22; }
};

// 155: record length of a new host file.
class CRecordLengthPage : public CWizPage
{
public:
    explicit CRecordLengthPage(CWizHllapiNewProfileSheet& sheet);

protected:
    BOOL OnInitDialog() override;
    void ResetToDefaults() override;
    void ToControls() override;
    void FromControls() override;
    int ChooseNextPage() override;
    UINT HelpTextId() const override;
    int HelpContext() const override { return 23; }

private:
    CDigitsEdit m_length;
};

// 156: size of a new System/36 file.
class CNumberOfRecordsPage : public CWizPage
{
public:
    explicit CNumberOfRecordsPage(CWizHllapiNewProfileSheet& sheet);

protected:
    BOOL OnInitDialog() override;
    void ResetToDefaults() override;
    void ToControls() override;
    void FromControls() override;
    int ChooseNextPage() override;
    UINT HelpTextId() const override { return IDS_WIZ_HELP_NUMBER_OF_RECORDS; }
    int HelpContext() const override { return 24; }

private:
    CDigitsEdit m_number;
};

// 154: the PC description file, with the editor.
class CDescrFilePage : public CWizPage
{
    FW_DECLARE_MESSAGE_MAP()

public:
    explicit CDescrFilePage(CWizHllapiNewProfileSheet& sheet);

protected:
    void PrepareActivation() override;
    void ResetToDefaults() override;
    void ToControls() override;
    int ChooseNextPage() override;
    UINT HelpTextId() const override;
    int HelpContext() const override { return 11; }

private:
    LRESULT OnBrowse(WPARAM wParam, LPARAM lParam);
    LRESULT OnEdit(WPARAM wParam, LPARAM lParam);
};

// 146: the PC file.
class CPcDestinationPage : public CWizPage
{
    FW_DECLARE_MESSAGE_MAP()

public:
    explicit CPcDestinationPage(CWizHllapiNewProfileSheet& sheet);

protected:
    void ResetToDefaults() override;
    void ToControls() override;
    int ChooseNextPage() override;
    UINT HelpTextId() const override;
    int HelpContext() const override { return 19; }

private:
    LRESULT OnBrowse(WPARAM wParam, LPARAM lParam);
};

// 151: the PC file type.
class CPcFileTypePage : public CWizPage
{
public:
    explicit CPcFileTypePage(CWizHllapiNewProfileSheet& sheet);

protected:
    void PrepareActivation() override;
    void ResetToDefaults() override;
    void ToControls() override;
    void FromControls() override;
    int ChooseNextPage() override { return NextPage(IDD_PC_FILE_TYPE_PAGE, WizChoices{Type(), 0, 0}); }
    UINT HelpTextId() const override;
    int HelpContext() const override { return 17; }
};

// 152: the PC write mode.
class CPcWriteModePage : public CWizPage
{
public:
    explicit CPcWriteModePage(CWizHllapiNewProfileSheet& sheet);

protected:
    void PrepareActivation() override;
    void ResetToDefaults() override;
    void ToControls() override;
    void FromControls() override;
    int ChooseNextPage() override { return NextPage(IDD_PC_WRITE_MODE_PAGE, WizChoices{Type(), 0, 0}); }
    UINT HelpTextId() const override;
    int HelpContext() const override { return 28; }
};

// 189: the code-page conversion.
class CCodePageConversionPage : public CWizPage
{
public:
    explicit CCodePageConversionPage(CWizHllapiNewProfileSheet& sheet);

protected:
    void PrepareActivation() override;
    void ResetToDefaults() override;
    void ToControls() override;
    void FromControls() override;
    int ChooseNextPage() override { return IDD_FINISH_PAGE; }
    UINT HelpTextId() const override;
    int HelpContext() const override { return 20; }

private:
    int m_checked = -1;
};

// 145: the summary; Finish.
class CFinishPage : public CWizPage
{
public:
    explicit CFinishPage(CWizHllapiNewProfileSheet& sheet);
    void BuildSummary();

protected:
    void PrepareActivation() override { BuildSummary(); }
    int ChooseNextPage() override { return -1; }
    UINT HelpTextId() const override { return IDS_WIZ_HELP_FINISH; }
    int HelpContext() const override { return 21; }
};
