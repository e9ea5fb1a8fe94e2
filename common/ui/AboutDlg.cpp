#include "AboutDlg.h"

#include "FwModule.h"
#include "FwText.h"
#include "VersionLibrary.h"
#include "ZRUiResourceIds.h"

namespace
{
// Sizes of the texts that Zrtver's GetFileData fills.
const size_t kVersionSize = 16;
const size_t kDescriptionSize = 64;
}

CAboutDlg::CAboutDlg(HWND parent) : CFwDialog(IDD_ZR_ABOUT, parent)
{
    if (CVersionLibrary* library = GetVersionLibrary())
    {
        m_copyright = library->GetCopyright();
        m_product = library->GetGenericCaption() + library->GetLongProductName();
    }
}

void CAboutDlg::DoDataExchange(CFwDataExchange& exchange)
{
    exchange.Text(IDC_ZR_ABOUT_COPYRIGHT, m_copyright);
    exchange.Text(IDC_ZR_ABOUT_PRODUCT, m_product);
}

BOOL CAboutDlg::OnInitDialog()
{
    CFwDialog::OnInitDialog();
    m_modules.SubclassDlgItem(IDC_ZR_ABOUT_MODULES, m_hWnd);
    CVersionLibrary* library = GetVersionLibrary();
    std::string shortName = library ? library->GetShortProductName() : std::string();
    SetWindowText(FwFormatArgs(FwLoadString(IDS_ZR_ABOUT_TITLE), {shortName}));

    m_modules.InsertColumn(0, FwLoadString(IDS_ZR_COLUMN_FILE), LVCFMT_LEFT, 140);
    m_modules.InsertColumn(1, FwLoadString(IDS_ZR_COLUMN_VERSION), LVCFMT_LEFT, 80);
    m_modules.InsertColumn(2, FwLoadString(IDS_ZR_COLUMN_DESCRIPTION), LVCFMT_LEFT, 270);
    if (library)
    {
        ScanModuleFolder(library->GetProgramFolder(), [&](const std::string& path, const std::string& name) {
            char version[kVersionSize + 1] = {};
            char description[kDescriptionSize + 1] = {};
            library->GetFileData(path.c_str(), version, description);
            version[kVersionSize] = '\0';
            description[kDescriptionSize] = '\0';
            m_modules.AddModule(name, version, description);
        });
    }
    CenterWindow();
    return TRUE;
}
