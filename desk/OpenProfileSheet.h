// The start-up sheet (New, Existing, Import) and the one-page sheet of the New command.
#pragma once

#include "FwListCtrl.h"
#include "FwPropertySheet.h"

// New (dialog 142): the kinds of profile that New can make.
class CNewProfilePage : public CFwPropertyPage
{
    FW_DECLARE_MESSAGE_MAP()

public:
    // `captionId`: the sheet's caption format; `helpContext`: the context while the page shows.
    CNewProfilePage(UINT captionId, int helpContext);

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnApply() override;

private:
    LRESULT OnDoubleClick(WPARAM wParam, LPARAM lParam);

    UINT m_captionId;
    int m_helpContext;
    CFwListCtrl m_kinds;
    CFwImageList m_images;
};

// Existing (dialog 143): a profile or profile list to open, the recent files offered.
class CExistingProfilePage : public CFwPropertyPage
{
    FW_DECLARE_MESSAGE_MAP()

public:
    CExistingProfilePage();

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnApply() override;

private:
    LRESULT OnBrowse(WPARAM wParam, LPARAM lParam);
};

// Imported (dialog 195): a via Velunor profile to import.
class CImportProfilePage : public CFwPropertyPage
{
    FW_DECLARE_MESSAGE_MAP()

public:
    CImportProfilePage();

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnApply() override;

private:
    LRESULT OnBrowse(WPARAM wParam, LPARAM lParam);
};

class COpenProfileSheet : public CFwPropertySheet
{
public:
    COpenProfileSheet();

private:
    CNewProfilePage m_newPage;
    CExistingProfilePage m_existingPage;
    CImportProfilePage m_importPage;
};

class CNewProfileSheet : public CFwPropertySheet
{
public:
    explicit CNewProfileSheet(HWND parent);

private:
    CNewProfilePage m_newPage;
};

// The name check of the Existing and Import pages: not empty, an existing file, one of the accepted extensions.
// Each failure shows its message; `fullPath` receives the full path.
BOOL CheckProfileFileName(const std::string& text, std::initializer_list<const char*> extensions,
                          std::string& fullPath);
